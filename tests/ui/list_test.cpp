// The report-view list control: columns, rows, searching, deleting and the selection mark.
#include "tests/ui/test_dialog.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include <tuple>

namespace vexor::test {
namespace {

class ListTest : public LayerTest {
  protected:
    // Runs checks on a list with the program's five columns while the dialog is up.
    void withList(const std::function<void(CListCtrl&, DialogDriver&)>& checks) {
        CListCtrl list;
        TestDialog dialog(kListDialog);
        dialog.bound = {{kList, &list}};
        dialog.init = [&list](TestDialog&) {
            for (auto [heading, format, width] : {std::tuple{"Name", LVCFMT_LEFT, 171}, {"Kennwort", LVCFMT_LEFT, 70},
                                                  {"Gruppe", LVCFMT_LEFT, 0}, {"Passwort", LVCFMT_LEFT, 0},
                                                  {"Offset", LVCFMT_RIGHT, 0}})
                list.InsertColumn(list.GetColumnCount(), heading, format, width);
            return TRUE;
        };
        run(dialog, [&](DialogDriver& d) { checks(list, d); });
    }

    static void fill(CListCtrl& list, std::initializer_list<const char*> names) {
        int row = 0;
        for (const char* name : names)
            list.InsertItem(row++, name);
    }
};

// The program's own columns, rows and texts show in the main dialog's list; here: width 0 hides a
// column for good, and every index out of range is refused or reads as nothing.
TEST_F(ListTest, WidthZeroHidesAColumnForGoodAndIndexesOutOfRangeAreRefused) {
    withList([](CListCtrl& list, DialogDriver& d) {
        auto* view = qobject_cast<QTreeView*>(d.control(kList));
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->header()->isSectionHidden(1));
        for (int column : {2, 3, 4}) {
            EXPECT_TRUE(view->header()->isSectionHidden(column));
            EXPECT_EQ(view->header()->sectionResizeMode(column), QHeaderView::Fixed);
        }
        EXPECT_EQ(list.GetColumnFormat(4), LVCFMT_RIGHT);
        EXPECT_EQ(list.InsertColumn(-1, "x"), -1);
        EXPECT_EQ(list.InsertColumn(42, "Neu", LVCFMT_LEFT, 50), 5); // past the end appends
        EXPECT_TRUE(list.DeleteColumn(5));
        EXPECT_FALSE(list.DeleteColumn(5));
        EXPECT_EQ(list.GetColumnHeading(9), "");
        EXPECT_EQ(list.GetColumnWidth(-1), 0);
        fill(list, {"a", "b"});
        EXPECT_EQ(list.InsertItem(99, "c"), 2); // past the end appends
        EXPECT_EQ(list.InsertItem(-1, "x"), -1);
        for (auto [row, column] : {std::pair{0, 5}, {3, 0}, {-1, 0}}) {
            EXPECT_FALSE(list.SetItemText(row, column, "x")) << row << "," << column;
            EXPECT_EQ(list.GetItemText(row, column), "") << row << "," << column;
        }
        EXPECT_TRUE(list.SetItemText(0, 3, nullptr)); // no text is the empty text
        EXPECT_EQ(list.GetItemText(0, 3), "");
        EXPECT_FALSE(list.DeleteItem(-1));
        EXPECT_FALSE(list.DeleteItem(3));
        EXPECT_EQ(list.GetItemCount(), 3);
    });
}

// FindItem: the whole text, in any case, from the row after the start; a part, no text or another
// kind of search finds nothing. The selection mark follows rows inserted and deleted. The program's
// list selects whole rows, so a click in any column selects the row; in the initial mode only the
// first column takes clicks.
TEST_F(ListTest, FindItemMatchesWholeTextsTheMarkFollowsTheRowsAndClicksSelectAsTheStyleSays) {
    withList([](CListCtrl& list, DialogDriver& d) {
        fill(list, {"Administrator", "\xC3\xA4rger", "Gast", "gast"});
        const std::tuple<const char*, int, int> cases[] = {{"GAST", -1, 2},   {"GAST", 2, 3},
                                                           {"GAST", 3, -1},   {"\xC3\x84RGER", -1, 1},
                                                           {"Admin", -1, -1}, {nullptr, -1, -1}};
        for (auto [text, start, found] : cases) {
            LVFINDINFO info{LVFI_STRING, text, 0, {}, 0};
            EXPECT_EQ(list.FindItem(&info, start), found) << (text ? text : "null") << " after " << start;
        }
        EXPECT_EQ(list.FindItem(nullptr), -1);
        LVFINDINFO byParam{0x0001, nullptr, 0, {}, 0};
        EXPECT_EQ(list.FindItem(&byParam), -1);
        list.InsertItem(0, "gast"); // a row just inserted at the top is found
        LVFINDINFO info{LVFI_STRING, "Gast", 0, {}, 0};
        EXPECT_EQ(list.FindItem(&info), 0);

        list.DeleteAllItems();
        fill(list, {"a", "b", "c"});
        EXPECT_EQ(list.SetSelectionMark(1), -1);
        list.InsertItem(0, "neu");
        EXPECT_EQ(list.GetSelectionMark(), 2);
        list.DeleteItem(0);
        EXPECT_EQ(list.GetSelectionMark(), 1);
        EXPECT_TRUE(list.DeleteItem(1)); // the marked row goes: the mark stays on the row moving up
        EXPECT_EQ(list.GetItemText(list.GetSelectionMark(), 0), "c");
        list.DeleteItem(1); // the last row goes: the mark moves to the new last row
        EXPECT_EQ(list.GetSelectionMark(), 0);
        EXPECT_EQ(list.SetSelectionMark(5), 0); // out of range: refused
        EXPECT_EQ(list.GetSelectionMark(), 0);
        EXPECT_TRUE(list.DeleteAllItems());
        EXPECT_EQ(list.GetSelectionMark(), -1);
        EXPECT_TRUE(list.DeleteAllItems());

        fill(list, {"a", "b"});
        auto* view = qobject_cast<QTreeView*>(d.control(kList));
        ASSERT_NE(view, nullptr);
        const QPoint cell = view->visualRect(view->model()->index(1, 1)).center();
        for (auto [style, mark] : {std::pair{DWORD{0}, -1}, {DWORD{LVS_EX_FULLROWSELECT}, 1}}) {
            list.SetExtendedStyle(style);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
            EXPECT_EQ(list.GetSelectionMark(), mark) << style;
        }
        EXPECT_EQ(list.SetExtendedStyle(0), static_cast<DWORD>(LVS_EX_FULLROWSELECT)); // the old one back
    });
}

// Every key moves the way a Windows list view moves it, whatever state the focus is in: Qt alone would
// start every move from the first row whenever no row is current.
TEST_F(ListTest, KeysMoveAsOnWindowsInEveryFocusState) {
    enum class State { NoFocus, Selected, FocusedUnselected, Reloaded };
    constexpr int kLast = -1;      // the last row
    constexpr int kLastShown = -2; // the last row wholly in view
    struct Case {
        State state;
        Qt::Key key;
        int expected;
    };
    const Case cases[] = {
        {State::NoFocus, Qt::Key_Home, 0},           {State::NoFocus, Qt::Key_End, kLast},
        {State::NoFocus, Qt::Key_Down, 0},           {State::NoFocus, Qt::Key_Up, 0},
        {State::NoFocus, Qt::Key_PageDown, kLastShown}, {State::Selected, Qt::Key_Home, 0},
        {State::Selected, Qt::Key_End, kLast},       {State::Selected, Qt::Key_Down, 3},
        {State::Selected, Qt::Key_Up, 1},            {State::Selected, Qt::Key_PageUp, 0},
        {State::FocusedUnselected, Qt::Key_End, kLast}, {State::FocusedUnselected, Qt::Key_Home, 0},
        {State::FocusedUnselected, Qt::Key_Down, 3}, {State::FocusedUnselected, Qt::Key_Up, 1},
        {State::FocusedUnselected, Qt::Key_PageDown, kLastShown}, {State::Reloaded, Qt::Key_End, kLast},
        {State::Reloaded, Qt::Key_Down, 0},          {State::Reloaded, Qt::Key_Home, 0},
    };
    for (const Case& c : cases) {
        withList([&](CListCtrl& list, DialogDriver& d) {
            list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
            // Empty space below the rows needs a short list; the page keys need a long one.
            const int kRows = c.state == State::FocusedUnselected ? 5 : 40;
            for (int row = 0; row < kRows; ++row)
                list.InsertItem(row, std::to_string(row).c_str());
            auto* view = qobject_cast<QTreeView*>(d.control(kList));
            ASSERT_NE(view, nullptr);
            view->setFocus();
            if (c.state != State::NoFocus)
                d.selectListRow(kList, 2);
            if (c.state == State::FocusedUnselected) { // a click on the empty space below the rows
                QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  QPoint(5, view->viewport()->height() - 1));
                ASSERT_TRUE(view->selectionModel()->selectedIndexes().isEmpty());
            }
            if (c.state == State::Reloaded) {
                list.DeleteAllItems();
                for (int row = 0; row < kRows; ++row)
                    list.InsertItem(row, std::to_string(row).c_str());
            }
            int lastShown = 0;
            while (lastShown + 1 < kRows &&
                   view->visualRect(view->model()->index(lastShown + 1, 0)).bottom() < view->viewport()->height())
                ++lastShown;
            const int expected = c.expected == kLast ? kRows - 1 : c.expected == kLastShown ? lastShown : c.expected;
            d.key(c.key);
            SCOPED_TRACE(::testing::Message() << "state " << static_cast<int>(c.state) << ", key " << c.key);
            EXPECT_EQ(list.GetSelectionMark(), expected);
            const QModelIndexList selected = view->selectionModel()->selectedRows();
            ASSERT_EQ(selected.size(), 1);
            EXPECT_EQ(selected.front().row(), expected);
        });
    }
}

} // namespace
} // namespace vexor::test
