// The rows and columns of a report-view list control. Rows live in a deque, so inserting at the top
// costs the same as appending, however long the list is; the view is told of each change in the
// smallest form Qt offers, so that it never rescans the list per row. Cells hold the program's own
// bytes: what goes in comes out unchanged, whether or not it is valid UTF-8, and only the display
// converts (showing U+FFFD for what it can't read).
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <deque>
#include <string>
#include <vector>

namespace vexor::ui::qt {

struct ListColumn {
    QString heading;
    int format; // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
    int width;  // pixels at 96 dpi; 0 hides the column
};

class ListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Columns: -1 for a negative index; an index past the end appends.
    int insertListColumn(int column, ListColumn value);
    bool deleteListColumn(int column);
    const std::vector<ListColumn>& listColumns() const { return m_columns; }
    void setColumnWidth(int column, int width);

    // Items: the LVM semantics, see CListCtrl in afx.h.
    int insertItem(int item, std::string text);
    bool setItemText(int item, int subItem, std::string text);
    const std::string& itemText(int item, int subItem) const;
    bool deleteItem(int item);
    void deleteAllItems();
    int itemCount() const { return static_cast<int>(m_rows.size()); }
    // Whole-text search from the row after `start`, without regard to letter case.
    int findItem(const std::string& text, int start) const;

    // The selection mark follows inserts and deletes the way the Windows list view moves it.
    int selectionMark() const { return m_mark; }
    int setSelectionMark(int item);

  private:
    bool cellExists(int item, int subItem) const;

    std::vector<ListColumn> m_columns;
    std::deque<std::vector<std::string>> m_rows; // cell 0 is the item's own text
    int m_mark = -1;
};

} // namespace vexor::ui::qt
