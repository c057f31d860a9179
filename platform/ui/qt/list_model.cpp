#include "platform/ui/qt/list_model.h"

#include "platform/ui/qt/text.h"
#include "platform/win32/types.h"

#include <algorithm>
#include <optional>

namespace vexor::ui::qt {

namespace {
Qt::Alignment alignmentOf(int format, int column) {
    // The first column is always left-aligned in a Windows list view.
    if (column == 0)
        return Qt::AlignLeft | Qt::AlignVCenter;
    switch (format & 0x3) {
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : itemCount(); }

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !cellExists(index.row(), index.column()))
        return {};
    if (role == Qt::DisplayRole)
        return fromProgram(itemText(index.row(), index.column()).c_str());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(m_columns[index.column()].format, index.column()));
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(m_columns[section].format, section));
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool ListModel::cellExists(int item, int subItem) const {
    const int cells = std::max(1, static_cast<int>(m_columns.size()));
    return item >= 0 && item < itemCount() && subItem >= 0 && subItem < cells;
}

// Subitems at and after the new column move one to the right; the item's own text stays first.
int ListModel::insertListColumn(int column, ListColumn value) {
    if (column < 0)
        return -1;
    column = std::min(column, static_cast<int>(m_columns.size()));
    beginInsertColumns({}, column, column);
    m_columns.insert(m_columns.begin() + column, std::move(value));
    const auto shiftFrom = static_cast<std::size_t>(std::max(column, 1));
    for (auto& row : m_rows)
        if (row.size() > shiftFrom)
            row.insert(row.begin() + static_cast<std::ptrdiff_t>(shiftFrom), std::string());
    endInsertColumns();
    return column;
}

bool ListModel::deleteListColumn(int column) {
    if (column < 0 || column >= static_cast<int>(m_columns.size()))
        return false;
    beginRemoveColumns({}, column, column);
    m_columns.erase(m_columns.begin() + column);
    for (auto& row : m_rows)
        if (row.size() > static_cast<std::size_t>(column) && column > 0)
            row.erase(row.begin() + column);
    endRemoveColumns();
    return true;
}

void ListModel::setColumnWidth(int column, int width) {
    if (column >= 0 && column < static_cast<int>(m_columns.size()))
        m_columns[column].width = width;
}

int ListModel::insertItem(int item, std::string text) {
    if (item < 0)
        return -1;
    item = std::min(item, itemCount());
    beginInsertRows({}, item, item);
    m_rows.insert(m_rows.begin() + item, std::vector<std::string>{std::move(text)});
    if (m_mark >= item)
        ++m_mark;
    endInsertRows();
    return item;
}

bool ListModel::setItemText(int item, int subItem, std::string text) {
    if (!cellExists(item, subItem))
        return false;
    auto& row = m_rows[static_cast<std::size_t>(item)];
    if (row.size() <= static_cast<std::size_t>(subItem))
        row.resize(static_cast<std::size_t>(subItem) + 1);
    row[static_cast<std::size_t>(subItem)] = std::move(text);
    if (subItem < columnCount()) {
        const QModelIndex cell = index(item, subItem);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
    return true;
}

const std::string& ListModel::itemText(int item, int subItem) const {
    static const std::string none;
    if (!cellExists(item, subItem))
        return none;
    const auto& row = m_rows[static_cast<std::size_t>(item)];
    return static_cast<std::size_t>(subItem) < row.size() ? row[static_cast<std::size_t>(subItem)] : none;
}

// The mark stays on the row that moves into the deleted one's place, or on the new last row.
bool ListModel::deleteItem(int item) {
    if (item < 0 || item >= itemCount())
        return false;
    beginRemoveRows({}, item, item);
    m_rows.erase(m_rows.begin() + item);
    if (m_mark > item)
        --m_mark;
    else if (m_mark == item && m_mark >= itemCount())
        m_mark = itemCount() - 1;
    endRemoveRows();
    return true;
}

void ListModel::deleteAllItems() {
    beginResetModel();
    m_rows.clear();
    m_mark = -1;
    endResetModel();
}

// Equal bytes always match. Otherwise the texts are compared as letters, which only text that is valid
// UTF-8 has: two different byte strings that both read as U+FFFD must not count as one name.
int ListModel::findItem(const std::string& text, int start) const {
    const std::optional<QString> wanted = decodeProgram(text);
    for (int item = std::max(start + 1, 0); item < itemCount(); ++item) {
        const std::string& cell = m_rows[static_cast<std::size_t>(item)][0];
        if (cell == text)
            return item;
        if (!wanted)
            continue;
        const std::optional<QString> candidate = decodeProgram(cell);
        if (candidate && QString::compare(*candidate, *wanted, Qt::CaseInsensitive) == 0)
            return item;
    }
    return -1;
}

int ListModel::setSelectionMark(int item) {
    const int previous = m_mark;
    if (item >= -1 && item < itemCount())
        m_mark = item;
    return previous;
}

} // namespace vexor::ui::qt
