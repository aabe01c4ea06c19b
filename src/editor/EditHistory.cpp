// Steps of the new message: recorded as whole box states, typing merged into words.
#include "editor/EditHistory.h"

#include <algorithm>

namespace quillon {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where two texts differ: the common start, and how many bytes of each the change covers.
struct Difference {
    std::size_t at = 0, removed = 0, inserted = 0;
};
Difference Compare(const std::string& before, const std::string& after) {
    Difference d;
    const std::size_t shorter = std::min(before.size(), after.size());
    while (d.at < shorter && before[d.at] == after[d.at])
        ++d.at;
    std::size_t tail = 0;
    while (tail < shorter - d.at &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    d.removed = before.size() - d.at - tail;
    d.inserted = after.size() - d.at - tail;
    return d;
}

} // namespace

void EditHistory::Clear() {
    rows_.clear();
    row_ = 0;
    last_ = {};
    group_ = {};
}

void EditHistory::Shown(int row, BoxState state) {
    row_ = row;
    last_ = std::move(state);
    group_ = {};
}

void EditHistory::Push(int row, BoxState before) {
    Steps& steps = rows_[row];
    if (steps.undo.size() >= kMaxSteps) steps.undo.erase(steps.undo.begin());
    steps.undo.push_back(std::move(before));
    steps.redo.clear();
}

void EditHistory::Edited(int row, BoxState state, EditKind kind) {
    if (kind == EditKind::Display || kind == EditKind::History || row != row_) {
        // Not a step of its own, or a message whose starting point was never seen.
        Shown(row, std::move(state));
        return;
    }
    if (state.box == last_.box && state.message == last_.message) return;
    if (kind == EditKind::Command) {
        Push(row, std::move(last_));
        last_ = std::move(state);
        group_ = {};
        return;
    }

    // Typing: a character that goes on from where the open step stopped joins it; a space
    // or a line break starts a new step, so each word is undone on its own.
    const Difference d = Compare(last_.box, state.box);
    const bool oneInserted = d.removed == 0 && d.inserted == 1;
    const bool oneRemoved = d.removed == 1 && d.inserted == 0;
    bool joins = false;
    if (group_.open && oneInserted)
        joins = group_.inserting && group_.caret == d.at && !IsSpace(state.box[d.at]);
    else if (group_.open && oneRemoved) // Backspace goes left, Delete stays
        joins = !group_.inserting && (group_.caret == d.at + 1 || group_.caret == d.at);
    if (!joins) Push(row, std::move(last_));
    last_ = std::move(state);

    // One character typed (over a selection too) leaves a step open for the next ones.
    if (d.inserted == 1)
        group_ = {true, true, d.at + 1};
    else if (oneRemoved)
        group_ = {true, false, d.at};
    else
        group_ = {};
}

void EditHistory::Replaced(int row, BoxState before) {
    if (row == row_) {
        before = last_;
        group_ = {};
    }
    Push(row, std::move(before));
}

bool EditHistory::CanUndo(int row) const {
    auto it = rows_.find(row);
    return it != rows_.end() && !it->second.undo.empty();
}

bool EditHistory::CanRedo(int row) const {
    auto it = rows_.find(row);
    return it != rows_.end() && !it->second.redo.empty();
}

std::optional<BoxState> EditHistory::Take(std::vector<BoxState>& from, std::vector<BoxState>& keep,
                                          BoxState present, const Shows& shows) {
    group_ = {};
    while (!from.empty()) {
        BoxState target = std::move(from.back());
        from.pop_back();
        if (shows(target) == present.box) continue;
        keep.push_back(std::move(present));
        return target;
    }
    return std::nullopt;
}

std::optional<BoxState> EditHistory::Undo(int row, BoxState present, const Shows& shows) {
    auto it = rows_.find(row);
    if (it == rows_.end()) return std::nullopt;
    return Take(it->second.undo, it->second.redo, std::move(present), shows);
}

std::optional<BoxState> EditHistory::Redo(int row, BoxState present, const Shows& shows) {
    auto it = rows_.find(row);
    if (it == rows_.end()) return std::nullopt;
    return Take(it->second.redo, it->second.undo, std::move(present), shows);
}

} // namespace quillon
