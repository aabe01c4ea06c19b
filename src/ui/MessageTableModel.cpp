// The list view's model over the message table.
#include "ui/MessageTableModel.h"

#include "ui/UiText.h"

namespace quillon::ui {

int MessageTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int MessageTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant MessageTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const int row = index.row() + 1;
    if (row > document_.Count()) return {};
    const auto column = static_cast<Column>(index.column());
    const std::string cell = ColumnText(document_, row, column);
    if (column == Column::OriginalMessage && original_) return BytesToText(cell, *original_);
    if (column == Column::NewMessage && edited_) return BytesToText(cell, *edited_);
    return FromProgramText(cell);
}

QVariant MessageTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kColumnCount)
        return {};
    return QString::fromLatin1(kColumnHeaders[static_cast<std::size_t>(section)]);
}

void MessageTableModel::SetCodePages(const CodePage* original, const CodePage* edited) {
    if (original == original_ && edited == edited_) return;
    original_ = original;
    edited_ = edited;
    Refresh();
}

void MessageTableModel::Reset() {
    beginResetModel();
    rows_ = document_.Count();
    endResetModel();
}

void MessageTableModel::Refresh() {
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, kColumnCount - 1));
}

} // namespace quillon::ui
