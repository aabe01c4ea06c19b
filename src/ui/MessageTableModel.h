// The message table as a Qt model for the list view: cells are read from the table when the
// view paints them, so a table of ten thousand rows costs nothing while the view is hidden.
#pragma once

#include "formats/MessageTable.h"
#include "ui/CodePages.h"

#include <QAbstractTableModel>

namespace quillon::ui {

class MessageTableModel : public QAbstractTableModel {
public:
    explicit MessageTableModel(const MessageTable& table, QObject* parent = nullptr)
        : QAbstractTableModel(parent), table_(table) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The message columns in the code pages of their boxes.
    void SetCodePages(const CodePage* original, const CodePage* edited);
    // The table's rows changed in number (a file was opened): the view starts over.
    void Reset();
    // Cells changed in place.
    void Refresh();

private:
    const MessageTable& table_;
    int rows_ = 0; // what the view was last told; the table may hold more mid-handler
    const CodePage* original_ = nullptr;
    const CodePage* edited_ = nullptr;
};

} // namespace quillon::ui
