// Live editing: both message boxes refreshed from the current row, and the edit step that
// stores the new message, recomputes the sizes and counters and validates the row.
#include "editor/MainWindow.h"

#include "document/Layout.h"
#include "document/TextFormat.h"
#include "text/ControlCodes.h"
#include "text/Validity.h"

#include <cmath>
#include <cstdio>

namespace quillon {

namespace {

// Sizes and counts are whole numbers; a caption shows them without decimals.
std::string NumberCaption(double value) {
    char buffer[40];
    if (std::nearbyint(value) == value)
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

Colour ToColour(double colour) {
    const double rounded = std::nearbyint(colour);
    if (!(rounded >= 0)) return 0;
    if (rounded > 0xFFFFFF) return 0xFFFFFF;
    return static_cast<Colour>(rounded);
}

// Saving the new messages makes no sense while nothing is translated; work in progress is
// always savable, invalid messages included (they are saved as typed and stay invalid).
void ApplySaveRule(MainWindow& form) {
    form.btnSaveNewMessages.Enabled = form.State.FilledCount > 0;
}

// A message's size and its text size: the size less three bytes per control code.
void ShowSize(Label& total, Label& textSize, Label& codes, const std::string& message) {
    const int count = CountControlChars(message);
    const long long size = static_cast<long long>(message.size());
    total.SetCaption(SizeCaption(size));
    textSize.SetCaption(SizeCaption(size - 3LL * count));
    codes.SetCaption(std::to_string(count));
}

} // namespace

void MainWindow::RefreshMessageBoxes() {
    if (Ended) return;
    const int row = CurrentRow();
    if (!Doc.HasRow(row)) return; // nothing shown yet: the boxes stay
    DisplayScope display(*this);
    const Message& message = Doc.At(row);
    NewMessageBox.Locked = message.locked;
    // A message whose codes would not come back exactly from its hidden form is shown with
    // them, whatever the mode, so that showing it cannot change it.
    State.ShownRaw =
        CheckHideControlCharacters.Value() == 1 && !HidesExactly(message.edited, message.original);
    if (State.ShownRaw) {
        const std::string notice = "Message " + Doc.Label(row) +
                                   " is shown with its control codes: hidden, they would not "
                                   "come back as they are.";
        if (Notice.Text != notice) ShowNotice(notice);
    }
    if (ShowsCodesHidden()) {
        if (OriginalMessageBox.Text() == "*") {
            NewMessageBox.SetText("*");
            return;
        }
        // Setting the original box re-enters this refresh through its change handler; the
        // inner pass finds the texts in place.
        OriginalMessageBox.SetText(HiddenBoxText(message.original, message.original));
        NewMessageBox.SetText(HiddenBoxText(message.edited, message.original));
    } else {
        OriginalMessageBox.SetText(Doc.At(row).original);
        NewMessageBox.SetText(Doc.At(row).edited);
    }
    if (OriginalMessageBox.Text() == "*") NewMessageBox.SetText("*");
    Focus.SetFocus(NewMessageBox);
}

// Whatever is typed or set there, the original box goes back to what the refresh shows.
void MainWindow::OnOriginalMessageChanged() {
    RefreshMessageBoxes();
}

bool MainWindow::ShowsCodesHidden() const {
    return CheckHideControlCharacters.Value() == 1 && !State.ShownRaw;
}

void MainWindow::OnNewMessageEdited() {
    if (Ended) return;
    const int row = CurrentRow();
    if (!Doc.HasRow(row)) return;
    Message& message = Doc.At(row);

    // Showing a message never changes it: only an edit stores what the box holds.
    std::string newMessage = Edits.PendingKind == EditKind::Display ? message.edited
                             : !ShowsCodesHidden()
                                 ? NewMessageBox.Text()
                                 : RebuildControlCodes(NewMessageBox.Text(), message.original,
                                                       OriginalMessageBox.Text() == "*");
    // A locked line is no text: whatever reaches its box (a command, a paste), it stays.
    if (message.locked && newMessage != message.edited) {
        ShowNotice("Message " + Doc.Label(row) + " is locked: it stays as in the original.");
        RefreshMessageBoxes();
        return;
    }
    // The work changes when the user's edit (typing, F10, Break, Esc) alters the stored
    // message; the boxes being refilled from the document is no change of the work.
    if (Edits.PendingKind != EditKind::Display && newMessage != message.edited) {
        State.WorkChanged = State.UnbackedWork = true;
        ClearNotice(); // whatever it said came before this change
    }
    message.edited = std::move(newMessage);
    State.CurrentNewLength = static_cast<int>(message.edited.size());
    Edits.History.Edited(row, Edits.ShownBoxState(), Edits.PendingKind);

    // Everything is recomputed from all messages; the current one's validity joins the
    // invalid count once it has been checked below.
    const DocumentCounts counts = Doc.Counts();
    const bool wasInvalid = message.invalid;
    State.NewTextSize = static_cast<double>(counts.editedBytes);
    State.NewFileSize =
        State.OriginalFileSize - static_cast<double>(counts.originalBytes) + State.NewTextSize;
    State.BlankCount = static_cast<std::int16_t>(counts.blank);
    State.FilledCount = counts.filled;

    BlankCountLabel.SetCaption(std::to_string(State.BlankCount));
    ShowMessageSizes();
    NewFileTextSizeLabel.SetCaption(NumberCaption(State.NewTextSize) + " bytes");
    NewFileSizeLabel.SetCaption(NumberCaption(State.NewFileSize) + " bytes");

    ValidateNewMessage();
    const bool invalidNow = Doc.At(row).invalid;
    NewMessageBox.ForeColor = invalidNow ? kRed : ToColour(State.NewStyle.ForeColor);
    ShowMessageNote();

    // The counter's handler lists the invalid messages again whenever there are any, even
    // when their number stays; at zero it has nothing to redo.
    const int invalid = counts.invalid - (wasInvalid ? 1 : 0) + (invalidNow ? 1 : 0);
    if (State.InvalidCount != 0 || invalid != 0) {
        const bool changed = State.InvalidCount != invalid;
        State.InvalidCount = invalid;
        if (changed)
            InvalidCountLabel.SetCaption(std::to_string(invalid));
        else
            UpdateInvalidCounter();
    }
    if (Ended) return;
    // A message of codes alone filled or emptied changes neither counter.
    ApplySaveRule(*this);

    Work.WriteAutoBackup();
}

void MainWindow::ValidateNewMessage() {
    if (Ended) return;
    const int row = CurrentRow();
    if (!Doc.HasRow(row)) return;
    const bool invalid = Doc.Validate(row);
    NewMessageBox.ForeColor = invalid ? kRed : ToColour(State.NewStyle.ForeColor);
}

void MainWindow::ShowMessageNote() {
    const int row = CurrentRow();
    if (!Doc.HasRow(row)) {
        MessageNoteLabel.SetCaption("");
        return;
    }
    const Message& message = Doc.At(row);
    const std::string note = Doc.format ? Doc.format->NoteOf(Doc, row) : std::string();
    std::string caption;
    if (message.invalid)
        caption = "Invalid: " + message.problem;
    else if (!message.warning.empty())
        caption = "Warning: " + message.warning;
    else if (message.locked)
        caption = "Locked: this line is not text, and it stays as in the original.";
    if (!note.empty()) caption += (caption.empty() ? "" : "  ") + note;
    MessageNoteLabel.SetCaption(caption);
    MessageNoteLabel.ForeColor = message.invalid            ? kRed
                                 : !message.warning.empty() ? kDarkRed
                                                            : kDarkBlue;
    ShowPlayerView();
}

char MainWindow::GameLanguage() const {
    return LanguageOfFont(GameFontOfScript(State.NewStyle.Script));
}

void MainWindow::ShowPlayerView() {
    // The view shows the game's bytes as the new box shows them.
    PlayerViewBox.Font = NewMessageBox.Font;
    const int row = CurrentRow();
    if (!Doc.HasRow(row) || !Doc.format) {
        PlayerViewBox.SetText("");
        PlayerViewLabel.SetCaption("In the game");
        PlayerViewLabel.ForeColor = kDarkBlue;
        return;
    }
    const PlayerView view = PlayerViewOf(*Doc.format, Doc, row, GameLanguage());
    const std::string_view kBreak = "\r\n";
    std::string text;
    auto line = [&](std::string_view bytes) {
        if (!text.empty()) text += kBreak;
        text += bytes;
    };
    if (!view.menuLines.empty()) {
        line("In the menu:");
        for (size_t i = 0; i < view.menuLines.size(); ++i)
            line((i == 0 ? "" : "   ") + view.menuLines[i]);
        if (!view.lines.empty()) line("Then said:");
    }
    for (const std::string& shown : view.lines)
        line(shown);
    for (const std::string& hidden : view.hiddenPieces)
        line("(not shown: " + hidden + ")");
    for (const std::string& warning : view.warnings)
        line("Warning: " + warning);
    PlayerViewBox.SetText(text);
    const size_t warnings = view.warnings.size();
    PlayerViewLabel.SetCaption(warnings == 0
                                   ? "In the game"
                                   : "In the game: " + std::to_string(warnings) +
                                         (warnings == 1 ? " layout warning" : " layout warnings"));
    PlayerViewLabel.ForeColor = warnings == 0 ? kDarkBlue : kDarkRed;
}

void MainWindow::ShowMessageSizes() {
    if (Ended) return;
    const int row = CurrentRow();
    if (!Doc.HasRow(row)) return;
    const Message& message = Doc.At(row);
    ShowSize(OriginalTotalSizeLabel, OriginalTextSizeLabel, OriginalCodeCountLabel,
             message.original);
    ShowSize(NewTotalSizeLabel, NewTextSizeLabel, NewCodeCountLabel, message.edited);
    NewCodeCountLabel.ForeColor =
        CountControlChars(message.original) != CountControlChars(message.edited) ? kRed : kBlue;
}

void MainWindow::UpdateInvalidCounter() {
    if (Ended) return;
    if (State.InvalidCount != 0) {
        InvalidCountLabel.ForeColor = kRed;
        InvalidCountLabel.ToolTipText = Doc.InvalidList();
    } else {
        InvalidCountLabel.ForeColor = kBlue;
        InvalidCountLabel.ToolTipText.clear();
    }
    ApplySaveRule(*this);
}

void MainWindow::UpdateBlankCounter() {
    if (Ended) return;
    if (State.BlankCount > 0) {
        BlankCountLabel.ForeColor = kRed;
        BlankCountLabel.ToolTipText = Doc.BlankList();
    } else {
        BlankCountLabel.ForeColor = kBlue;
        BlankCountLabel.ToolTipText.clear();
    }
    btnWriteFile.Enabled = State.BlankCount == 0;
    ApplySaveRule(*this);
}

} // namespace quillon
