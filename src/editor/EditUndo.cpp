// Undo and redo of the shown message: the box's states recorded by its change handler, and
// put back through the box so that the edit step runs as it does for typing.
#include "editor/EditUndo.h"

#include "editor/MainWindow.h"

#include "text/ControlCodes.h"

#include <algorithm>

namespace quillon {

namespace {

// Where the caret goes after a step is put back: the end of what changed.
int ChangedEnd(const std::string& before, const std::string& after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return static_cast<int>(after.size() - tail);
}

} // namespace

BoxState EditUndo::ShownBoxState() const {
    BoxState state;
    state.box = window_.NewMessageBox.Text();
    const int row = window_.CurrentRow();
    if (window_.Doc.HasRow(row)) state.message = window_.Doc.At(row).edited;
    state.hidden = window_.ShowsCodesHidden();
    return state;
}

void EditUndo::NoteShown() {
    if (window_.Ended) return;
    const int row = window_.CurrentRow();
    if (!window_.Doc.HasRow(row)) return;
    History.Shown(row, ShownBoxState());
}

std::string EditUndo::BoxTextFor(const BoxState& state) const {
    const bool hidden = window_.ShowsCodesHidden();
    if (state.hidden == hidden) return state.box;
    if (!hidden) return state.message;
    // Taken with the codes shown, put back with them hidden: the box shows it as a display
    // would.
    const int row = window_.CurrentRow();
    return HiddenBoxText(state.message,
                         window_.Doc.HasRow(row) ? window_.Doc.At(row).original : std::string());
}

void EditUndo::NoteReplacedMessages(const std::vector<std::string>& before) {
    const bool hidden = window_.CheckHideControlCharacters.Value() == 1;
    const int rows = std::min(window_.Doc.Count(), static_cast<int>(before.size()));
    for (int row = 1; row <= rows; ++row) {
        const std::string& old = before[static_cast<std::size_t>(row - 1)];
        if (old == window_.Doc.At(row).edited) continue;
        // As the box would have shown it.
        const std::string& original = window_.Doc.At(row).original;
        BoxState state{old, old, hidden && HidesExactly(old, original)};
        if (state.hidden) state.box = HiddenBoxText(old, original);
        History.Replaced(row, std::move(state));
    }
}

void EditUndo::Undo() {
    Step(true);
}

void EditUndo::Redo() {
    Step(false);
}

bool EditUndo::CanUndo() const {
    return !window_.Ended && History.CanUndo(window_.CurrentRow());
}

bool EditUndo::CanRedo() const {
    return !window_.Ended && History.CanRedo(window_.CurrentRow());
}

void EditUndo::Step(bool undo) {
    if (window_.Ended) return;
    const int row = window_.CurrentRow();
    if (!window_.Doc.HasRow(row)) return;
    const auto shows = [this](const BoxState& state) { return BoxTextFor(state); };
    const std::optional<BoxState> target = undo ? History.Undo(row, ShownBoxState(), shows)
                                                : History.Redo(row, ShownBoxState(), shows);
    window_.Focus.SetFocus(window_.NewMessageBox);
    if (!target) {
        window_.ShowNotice(undo ? "Nothing to undo." : "Nothing to redo.");
        return;
    }
    const std::string before = window_.NewMessageBox.Text();
    const std::string text = BoxTextFor(*target);
    {
        EditKindScope scope(PendingKind, EditKind::History);
        window_.NewMessageBox.SetText(text);
    }
    if (window_.Ended) return;
    window_.NewMessageBox.SelStart = ChangedEnd(before, text);
    window_.NewMessageBox.SelLength = 0;
}

} // namespace quillon
