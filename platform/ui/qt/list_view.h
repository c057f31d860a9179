// A Windows list view in report mode: header with columns (width 0 hides a column for good), single
// or extended selection, full-row selection as an extended style, and the selection mark, which the
// user's clicks and keyboard moves set. The keys move the way a Windows list view moves them, whatever
// the focus state: Home and End to the first and last row, the arrows and page keys from the focused
// row, and from before the first row when no row has the focus.
#pragma once

#include "platform/ui/qt/list_model.h"
#include "platform/win32/types.h"

#include <QTreeView>

namespace vexor::ui::qt {

class ListView : public QTreeView {
  public:
    ListView(DWORD style, QWidget* parent);

    ListModel& listModel() { return m_model; }
    const ListModel& listModel() const { return m_model; }

    int insertColumn(int column, const QString& heading, int format, int width);
    bool deleteColumn(int column);
    void applyColumnWidth(int column);

    DWORD extendedStyle() const { return m_extendedStyle; }
    DWORD setExtendedStyle(DWORD style); // returns the old one

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

  private:
    bool fullRowSelect() const { return (m_extendedStyle & LVS_EX_FULLROWSELECT) != 0; }
    int targetRow(CursorAction cursorAction) const;
    int rowsPerPage() const;

    ListModel m_model;
    DWORD m_extendedStyle = 0;
};

} // namespace vexor::ui::qt
