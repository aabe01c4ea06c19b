// The mirror of the list view that holds the message table: hidden outside the window until
// the double-click cycle brings it to the left edge.
#pragma once

#include "document/Document.h"
#include "ui/Mirrors.h"

class QTreeView;

namespace quillon::ui {

class BoxMirror;
class MessageTableModel;

class ListMirror : public ControlMirror {
public:
    ListMirror(const ListView& list, const Document& document, QTreeView* view,
               const BoxMirror& original, const BoxMirror& edited);
    void Sync() override;

private:
    const ListView& list_;
    const Document& document_;
    QTreeView* view_;
    MessageTableModel* model_;
    const BoxMirror& original_;
    const BoxMirror& edited_;
    int rows_ = -1;
    int selected_ = -1;
    int redraws_ = -1;
    bool shown_ = false;
};

} // namespace quillon::ui
