// The table's list view.
#include "ui/ListMirror.h"

#include "document/Document.h"
#include "ui/BoxMirror.h"
#include "ui/MessageTableModel.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeView>

namespace quillon::ui {

ListMirror::ListMirror(const ListView& list, const Document& document, QTreeView* view,
                       const BoxMirror& original, const BoxMirror& edited)
    : ControlMirror(list, view), list_(list), document_(document), view_(view),
      model_(new MessageTableModel(document, view)), original_(original), edited_(edited) {
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->header()->setStretchLastSection(false);
}

void ListMirror::Sync() {
    ControlMirror::Sync();
    const bool visible = list_.Visible;
    if (document_.Count() != rows_) {
        rows_ = document_.Count();
        model_->Reset();
        selected_ = -1;
    }
    model_->SetCodePages(&original_.Page(), &edited_.Page());
    if (visible) {
        // Only the rows on screen are read again, so this stays cheap on a full table.
        if (!shown_ || list_.RedrawCount != redraws_) model_->Refresh();
        if (!shown_) view_->raise();
    }
    redraws_ = list_.RedrawCount;
    shown_ = visible;
    if (list_.SelectedRow != selected_) {
        selected_ = list_.SelectedRow;
        QSignalBlocker block(view_);
        if (selected_ >= 1 && selected_ <= model_->rowCount()) {
            const QModelIndex row = model_->index(selected_ - 1, 0);
            view_->setCurrentIndex(row);
            if (visible) view_->scrollTo(row);
        } else {
            view_->clearSelection();
        }
    }
}

} // namespace quillon::ui
