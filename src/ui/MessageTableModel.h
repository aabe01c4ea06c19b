// The open document as a Qt model for the list view: cells are drawn from the messages when
// the view paints them, so ten thousand messages cost nothing while the view is hidden.
#pragma once

#include "document/TableColumns.h"
#include "ui/CodePages.h"

#include <QAbstractTableModel>

namespace quillon::ui {

class MessageTableModel : public QAbstractTableModel {
public:
    explicit MessageTableModel(const Document& document, QObject* parent = nullptr)
        : QAbstractTableModel(parent), document_(document) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The message columns in the code pages of their boxes.
    void SetCodePages(const CodePage* original, const CodePage* edited);
    // The rows changed in number (a file was opened): the view starts over.
    void Reset();
    // Cells changed in place.
    void Refresh();

private:
    const Document& document_;
    int rows_ = 0; // what the view was last told; the document may hold more mid-handler
    const CodePage* original_ = nullptr;
    const CodePage* edited_ = nullptr;
};

} // namespace quillon::ui
