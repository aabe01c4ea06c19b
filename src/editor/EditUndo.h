// Undo and redo of the shown message: the box's states recorded by the edit step, and put
// back through the box, so that the document, the counters and the backup follow as they do
// for typing.
#pragma once

#include "editor/EditHistory.h"

#include <string>
#include <vector>

namespace quillon {

class MainWindow;

class EditUndo {
public:
    explicit EditUndo(MainWindow& window) : window_(window) {}
    EditUndo(const EditUndo&) = delete;
    EditUndo& operator=(const EditUndo&) = delete;

    EditHistory History;
    // What the next change of the new message box is: typing, a command, a display, a step.
    EditKind PendingKind = EditKind::Typing;

    // The shown row's box text, new message and mode.
    BoxState ShownBoxState() const;
    // The shown message's state is where its next undo step starts.
    void NoteShown();
    // A work file replaced some messages: one undo step for each message it changed.
    void NoteReplacedMessages(const std::vector<std::string>& before);
    void Undo();
    void Redo();
    // Whether the shown message has steps to undo or redo.
    bool CanUndo() const;
    bool CanRedo() const;

private:
    // The text the box shows for a state, in the current mode.
    std::string BoxTextFor(const BoxState& state) const;
    void Step(bool undo);
    MainWindow& window_;
};

} // namespace quillon
