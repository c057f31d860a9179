#include "platform/ui/qt/list_view.h"

#include "platform/ui/qt/layout.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>

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

void ListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        m_model.setSelectionMark(after.row());
}

} // namespace vexor::ui::qt
