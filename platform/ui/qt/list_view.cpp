#include "platform/ui/qt/list_view.h"

#include "platform/ui/qt/layout.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vexor::ui::qt {

namespace {
constexpr int kHeadingPadding = 12; // room around a heading when the program gives no width
}

ListView::ListView(DWORD style, QWidget* parent) : QTreeView(parent) {
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // row positions by arithmetic: no per-row measuring of long lists
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode((style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                              : QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setFrameShape((style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setHighlightSections(false);
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!header()->isSectionHidden(column))
            m_model.setColumnWidth(column, static_cast<int>(std::lround(size / dpiScale())));
    });
}

int ListView::insertColumn(int column, const QString& heading, int format, int width) {
    if (width < 0)
        width = fontMetrics().horizontalAdvance(heading) + kHeadingPadding;
    const int index = m_model.insertListColumn(column, {heading, format, width});
    if (index >= 0)
        for (int i = index; i < m_model.columnCount(); ++i)
            applyColumnWidth(i);
    return index;
}

bool ListView::deleteColumn(int column) {
    if (!m_model.deleteListColumn(column))
        return false;
    for (int i = column; i < m_model.columnCount(); ++i)
        applyColumnWidth(i);
    return true;
}

// A column of width 0 is hidden and fixed, so no drag on the header can bring it into view.
void ListView::applyColumnWidth(int column) {
    const int width = m_model.listColumns()[static_cast<std::size_t>(column)].width;
    if (width <= 0) {
        header()->setSectionResizeMode(column, QHeaderView::Fixed);
        header()->setSectionHidden(column, true);
        return;
    }
    header()->setSectionHidden(column, false);
    header()->setSectionResizeMode(column, QHeaderView::Interactive);
    header()->resizeSection(column, static_cast<int>(std::lround(width * dpiScale())));
}

DWORD ListView::setExtendedStyle(DWORD style) {
    const DWORD old = m_extendedStyle;
    m_extendedStyle = style;
    setSelectionBehavior(fullRowSelect() ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setAllColumnsShowFocus(fullRowSelect());
    return old;
}

// Without full-row selection only the item's own text (column 0) can be clicked.
void ListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() != 0 && !fullRowSelect()) {
        clearSelection();
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
    if (index.isValid())
        m_model.setSelectionMark(index.row());
}

// A row reached by a key is selected and marked, also when the key lands on the row that already had
// the focus but had lost its selection to a click on empty space.
void ListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (!after.isValid())
        return;
    static constexpr int kMoveKeys[] = {Qt::Key_Home, Qt::Key_End,    Qt::Key_Up,
                                        Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    const bool moveKey = std::find(std::begin(kMoveKeys), std::end(kMoveKeys), event->key()) != std::end(kMoveKeys);
    if (after == before && !(moveKey && !selectionModel()->isSelected(after)))
        return;
    if (after == before)
        selectionModel()->select(after, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_model.setSelectionMark(after.row());
}

// Qt makes the first row current when the list gets the focus by keyboard; a Windows list view leaves
// the focus on no row, so that the first arrow key selects the first row rather than the second.
void ListView::focusInEvent(QFocusEvent* event) {
    const bool noCurrentRow = !currentIndex().isValid();
    QTreeView::focusInEvent(event);
    if (noCurrentRow && currentIndex().isValid())
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

// With the focus on no row the list would show no sign of having the focus at all; a dotted frame round
// the first row (or the empty list) shows where the keys will start.
void ListView::paintEvent(QPaintEvent* event) {
    QTreeView::paintEvent(event);
    if (!hasFocus() || currentIndex().isValid())
        return;
    QRect frame = viewport()->rect().adjusted(1, 1, -2, -2);
    if (m_model.itemCount() > 0)
        frame = QRect(0, visualRect(m_model.index(0, 0)).top(), viewport()->width() - 1,
                      rowHeight(m_model.index(0, 0)) - 1);
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(frame);
}

// Qt would start every move from the first row while no row is current; a Windows list view does that
// only for the keys that step from the focused row.
QModelIndex ListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction == MoveLeft || cursorAction == MoveRight)
        return QTreeView::moveCursor(cursorAction, modifiers);
    const int row = targetRow(cursorAction);
    if (row < 0)
        return {};
    const QModelIndex current = currentIndex();
    return m_model.index(row, current.isValid() ? current.column() : 0);
}

int ListView::targetRow(CursorAction cursorAction) const {
    const int count = m_model.itemCount();
    if (count == 0)
        return -1;
    const int focused = currentIndex().isValid() ? currentIndex().row() : -1;
    const int top = std::max(0, indexAt(QPoint(0, 0)).row());
    const int page = rowsPerPage();
    int row = focused;
    switch (cursorAction) {
    case MoveHome: row = 0; break;
    case MoveEnd: row = count - 1; break;
    case MoveUp:
    case MovePrevious: row = focused < 0 ? 0 : focused - 1; break;
    case MoveDown:
    case MoveNext: row = focused + 1; break;
    // The first page key goes to the edge of what is shown; the next one turns the page.
    case MovePageUp: row = focused == top ? top - page + 1 : top; break;
    case MovePageDown: row = focused == top + page - 1 ? focused + page - 1 : top + page - 1; break;
    default: break;
    }
    return std::clamp(row, 0, count - 1);
}

// Whole rows that fit in the view; at least one, so that a page key always moves.
int ListView::rowsPerPage() const {
    const int height = m_model.itemCount() > 0 ? rowHeight(m_model.index(0, 0)) : 0;
    return height > 0 ? std::max(1, viewport()->height() / height) : 1;
}

} // namespace vexor::ui::qt
