// Undo and redo of the new message, one history per message while its file is open. Each
// step keeps the box as it was, so an undo puts back exactly what the translator saw; typed
// characters are grouped the way text editors group them.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillon {

// One state of a message's box: its text, the message it stored, and whether the control
// codes were hidden when it was taken (an undo in the other mode shows the message anew).
struct BoxState {
    std::string box;
    std::string message;
    bool hidden = false;
};

// What kind of change the new-message box's change handler is seeing.
enum class EditKind {
    Typing,  // keys, a paste: consecutive characters make one step
    Command, // copy the original, clear, restore: a step each
    Display, // a message shown or refreshed: no step, the history's starting point moves
    History, // an undo or a redo putting a state back
};

// Marks, for as long as it lives, what kind of change the box's change handler sees.
class EditKindScope {
public:
    EditKindScope(EditKind& slot, EditKind kind) : slot_(slot), saved_(slot) { slot = kind; }
    ~EditKindScope() { slot_ = saved_; }
    EditKindScope(const EditKindScope&) = delete;
    EditKindScope& operator=(const EditKindScope&) = delete;

private:
    EditKind& slot_;
    EditKind saved_;
};

class EditHistory {
public:
    // A file was opened: every message starts without history.
    void Clear();

    // The state of the shown message after a display: where its next step starts from.
    void Shown(int row, BoxState state);
    // A change of the shown message's box.
    void Edited(int row, BoxState state, EditKind kind);
    // The caret moved by a key or a click: the next character starts a step of its own.
    void EndGroup() { group_ = {}; }
    // A message's text was replaced from outside the box (a work file loaded); before is its
    // state until then.
    void Replaced(int row, BoxState before);

    bool CanUndo(int row) const;
    bool CanRedo(int row) const;
    // The state to put back, with present kept for the opposite command; none when there is
    // nothing to undo (or redo). A step that would show the box as it is now changes nothing
    // the translator can see, so it is passed over; shows gives the text a state shows.
    using Shows = std::function<std::string(const BoxState&)>;
    std::optional<BoxState> Undo(int row, BoxState present, const Shows& shows);
    std::optional<BoxState> Redo(int row, BoxState present, const Shows& shows);

    // The most steps one message keeps; the oldest go first.
    static constexpr std::size_t kMaxSteps = 500;

private:
    struct Steps {
        std::vector<BoxState> undo, redo;
    };
    // The typing step still open: where its caret stands, and whether it inserts or deletes.
    struct Group {
        bool open = false;
        bool inserting = false;
        std::size_t caret = 0;
    };
    void Push(int row, BoxState before);
    std::optional<BoxState> Take(std::vector<BoxState>& from, std::vector<BoxState>& keep,
                                 BoxState present, const Shows& shows);

    std::unordered_map<int, Steps> rows_;
    int row_ = 0; // the message whose box state last_ is
    BoxState last_;
    Group group_;
};

} // namespace quillon
