// The program's own dialogs as the layer lays them out: template sizes in dialog units, every text
// whole and in glyphs the font has; and what a screen reader is told of them, asked through Qt's own
// accessibility interface: the name of each control, and which controls a dialog offers at all.
#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/modal_hook.h"
#include "platform/ui/qt/mnemonic.h"
#include "platform/ui/qt/text.h"
#include "resources/resource.h"
#include "tests/ui/test_dialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include <map>

namespace vexor::test {
namespace {

// Opens each of the program's own dialogs, runs the checks on its window, and closes it.
void forEachProgramDialog(const std::function<void(const res::DialogTemplate&, QWidget&)>& checks) {
    res::registerProgramResources();
    for (const res::DialogTemplate* tpl : res::programResources().dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(tpl->id));
        ui::qt::ModalHook previous = ui::qt::setModalHook([&](const ui::qt::ModalInfo& info) {
            checks(*tpl, *info.window);
            info.abort();
        });
        CDialog dialog(static_cast<UINT>(tpl->id));
        EXPECT_NE(dialog.DoModal(), -1);
        ui::qt::setModalHook(previous);
    }
}

bool allGlyphsPresent(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    for (QChar c : text)
        if (!c.isSpace() && !metrics.inFont(c))
            return false;
    return true;
}

int textRoom(const QAbstractButton& button) {
    const QStyle* style = button.style();
    if (qobject_cast<const QCheckBox*>(&button))
        return button.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    return button.width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
}

// Dialog units convert as Windows' MapDialogRect does with the base units of MS Shell Dlg 8 pt
// (6 x 13 pixels), rounding halves up. Every window shows the program icon in its title bar.
TEST(ProgramDialogLayout, TheClientAreaIsTheTemplateSizeTheTitleShowsTheIconAndEveryTextIsWhole) {
    EXPECT_EQ(ui::qt::duToPxX(4), 6);
    EXPECT_EQ(ui::qt::duToPxX(3), 5);
    EXPECT_EQ(ui::qt::duToPxY(8), 13);
    EXPECT_EQ(ui::qt::duToPxY(4), 7);
    forEachProgramDialog([](const res::DialogTemplate& tpl, QWidget& window) {
        EXPECT_EQ(window.size(), ui::qt::clientSize(tpl));
        EXPECT_FALSE(window.windowIcon().isNull());
        // Every text is whole and drawn with glyphs the font has.
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            // Measured here, not with the layer's own fitting rule, so that a wrong rule can't pass.
            const QRect room = label->contentsRect();
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(QRect(0, 0, room.width(), 100000),
                                                   int(label->alignment()) | Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.width(), room.width()) << label->text().toStdString();
            EXPECT_LE(needed.height(), room.height()) << label->text().toStdString();
            EXPECT_TRUE(allGlyphsPresent(label->font(), label->text())) << label->text().toStdString();
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            const QString shown = ui::qt::withoutMnemonics(button->text());
            if (shown.isEmpty())
                continue;
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(shown), textRoom(*button))
                << shown.toStdString();
            EXPECT_TRUE(allGlyphsPresent(button->font(), shown)) << shown.toStdString();
        }
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            EXPECT_LE(QFontMetrics(group->font()).horizontalAdvance(group->title()), group->width() - 16);
    });
}

std::string nameOf(QWidget* widget) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    return control ? control->text(QAccessible::Name).toStdString() : "<no interface>";
}

bool offered(QWidget& window, QWidget* widget) {
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < dialog->childCount(); ++i)
        if (dialog->child(i)->object() == widget)
            return true;
    return false;
}

// The program's controls that have no text of their own, and the label a screen reader reads for each.
const std::map<std::pair<int, int>, std::string> kLabelled{
    {{IDD_ACCESSMANAGER, IDC_USERLIST}, "Auf dem Computer verwaltete Benutzer:"},
    {{IDD_ADDUSER, IDC_USERNAME}, "Benutzername:"},
    {{IDD_ADDUSER, IDC_PASSWORD}, "Kennwort:"},
    {{IDD_ADDUSER, IDC_REPEAT}, "Wiederholen:"},
    {{IDD_ACCESSRIGHTS, IDC_GROUP}, "Gruppe:"},
    {{IDD_ACCESSRIGHTS, IDC_RIGHTS}, "Zugriffsrechte:"},
    {{IDD_ADDADMIN, IDC_ADMINNAME}, "Benutzername:"},
    {{IDD_ADDADMIN, IDC_PASSWORD}, "Kennowort:"},
    {{IDD_ADDADMIN, IDC_REPEAT}, "Wiederholen:"},
    {{IDD_SETPASSWORD, IDC_NEW_PASSWORD}, "Neues Kennwort:"},
    {{IDD_SETPASSWORD, IDC_CONFIRM_PASSWORD}, "Kennwort best\u00E4tigen:"},
    {{IDD_ADMINLOGIN, IDC_LOGIN_PASSWORD}, "Kennwort:"},
};

// Every control that is no static is named after its label, or after its own text without the `&`;
// the icons, which only decorate, and hidden controls are not offered at all.
TEST(ProgramDialogAccessibility, EveryControlIsNamedAfterItsLabelOrTextAndDecorationsAreLeftOut) {
    std::size_t labelled = 0;
    forEachProgramDialog([&](const res::DialogTemplate& tpl, QWidget& window) {
        for (ui::ControlRecord& control : ui::qt::DialogWindow::fromWidget(&window)->controls()) {
            const res::ControlTemplate& c = *control.tpl;
            SCOPED_TRACE("control " + std::to_string(c.id) + " " + c.text);
            const bool visible = (c.style & WS_VISIBLE) != 0;
            const bool icon = c.cls == res::ControlClass::Static && (c.style & SS_TYPEMASK) == SS_ICON;
            EXPECT_EQ(offered(window, ui::qt::widgetOf(control)), visible && !icon);
            if (control.isStaticLike() || !visible)
                continue;
            const auto label = kLabelled.find({tpl.id, c.id});
            labelled += label != kLabelled.end();
            const std::string name =
                label != kLabelled.end()
                    ? label->second
                    : ui::qt::withoutMnemonics(ui::qt::fromProgram(c.text)).toStdString();
            EXPECT_FALSE(name.empty());
            EXPECT_EQ(nameOf(ui::qt::widgetOf(control)), name);
        }
    });
    EXPECT_EQ(labelled, kLabelled.size());
}

using AccessibilityTest = LayerTest;

// The nearest static before a control names it, also across controls that start no group; one that
// does (WS_GROUP with WS_TABSTOP) ends the search, and with no static before it a control has no name.
// A hidden control is offered once the program shows it.
TEST_F(AccessibilityTest, TheNearestStaticBeforeAControlNamesItUntilAGroupStarts) {
    TestDialog dialog(kKeysDialog);
    run(dialog, [&](DialogDriver& d) {
        const std::vector<std::string> names{
            nameOf(d.control(kNameEdit)), nameOf(d.control(kHiddenEdit)), nameOf(d.control(kNoTabStopEdit)),
            nameOf(d.control(kPasswordEdit)), nameOf(d.control(kReadOnlyEdit))};
        EXPECT_EQ(names, (std::vector<std::string>{"Name:", "Name:", "", "\u00DCbrig:", "\u00DCbrig:"}));
        EXPECT_FALSE(offered(*d.window(), d.control(kHiddenEdit)));
        dialog.GetDlgItem(kHiddenEdit)->ShowWindow(SW_SHOW);
        EXPECT_TRUE(offered(*d.window(), d.control(kHiddenEdit)));
    });
    TestDialog list(kListDialog);
    run(list, [](DialogDriver& d) { EXPECT_EQ(nameOf(d.control(kList)), ""); });
}

} // namespace
} // namespace vexor::test
