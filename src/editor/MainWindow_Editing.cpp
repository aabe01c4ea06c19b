// Live editing: both message boxes refreshed from the current row, and the edit step that
// stores the new message, recomputes the sizes and counters and validates the row.
#include "editor/MainWindow.h"

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

// The "Real A/A" of the rows that pass, joined by ", "; sizeHint (the previous list's size)
// saves growing a long list step by step.
template <typename Passes>
std::string RowList(const MessageTable& table, std::size_t sizeHint, Passes passes) {
    std::string list;
    list.reserve(sizeHint + 16);
    for (int row = 1; row <= table.Count(); ++row) {
        if (!passes(row)) continue;
        list += table.Cell(row, ColRealAA);
        list += ", ";
    }
    if (list.size() >= 2) list.resize(list.size() - 2);
    return list;
}

// Saving the new messages makes no sense while nothing is translated or anything is invalid.
void ApplySaveRule(MainWindow& form) {
    const bool allBlank = form.NewCountLabel.Caption() == form.BlankCountLabel.Caption();
    form.btnSaveFile[0].Enabled =
        !(allBlank || LeadingNumber(form.InvalidCountLabel.Caption()) > 0);
}

// The text size of one frame: the total size less three bytes per control code.
void UpdateTextSize(Label& total, const Label& controlChars, Label& textSize) {
    if (total.Caption() == "1 byte") {
        textSize.SetCaption("1 byte");
        return;
    }
    const std::string& caption = total.Caption();
    if (caption.size() >= 6) {
        const double size = LeadingNumber(std::string_view(caption).substr(0, caption.size() - 6)) -
                            3 * LeadingNumber(controlChars.Caption());
        textSize.SetCaption(size == 1 ? "1 byte" : NumberCaption(size) + " bytes");
    }
    // Runs this again through the caption's change handler, which then shows "1 byte".
    if (total.Caption() == "1 bytes") total.SetCaption("1 byte");
}

} // namespace

void MainWindow::RefreshMessageBoxes() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return; // nothing shown yet: the boxes stay
    DisplayScope display(*this);
    if (CheckHideControlCharacters.Value() == 1) {
        if (OriginalMessageBox.Text() == "*") {
            NewMessageBox.SetText("*");
            return;
        }
        // Setting the original box re-enters this refresh through its change handler; the
        // inner pass finds the texts in place.
        OriginalMessageBox.SetText(HideControlCodes(Table.Cell(row, ColOriginalMessage)));
        if (OriginalMessageBox.Text().empty()) OriginalMessageBox.SetText("*");
        NewMessageBox.SetText(HideControlCodes(Table.Cell(row, ColNewMessage)));
    } else {
        OriginalMessageBox.SetText(Table.Cell(row, ColOriginalMessage));
        NewMessageBox.SetText(Table.Cell(row, ColNewMessage));
    }
    if (OriginalMessageBox.Text() == "*") NewMessageBox.SetText("*");
    Focus.SetFocus(NewMessageBox);
}

// Whatever is typed or set there, the original box goes back to what the refresh shows.
void MainWindow::OnOriginalMessageChanged() {
    RefreshMessageBoxes();
}

void MainWindow::OnNewMessageEdited() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return;

    std::string newMessage =
        CheckHideControlCharacters.Value() == 0
            ? NewMessageBox.Text()
            : RebuildControlCodes(NewMessageBox.Text(), Table.Cell(row, ColOriginalMessage),
                                  OriginalMessageBox.Text() == "*");
    const int length = static_cast<int>(newMessage.size());
    // The work changes when the user's edit (typing, F10, Break, Esc) alters the stored
    // message; the boxes being refilled from the table is no change of the work.
    if (PendingEditKind != EditKind::Display && newMessage != Table.Cell(row, ColNewMessage))
        State.WorkChanged = true;
    Table.SetCell(row, ColNewMessage, std::move(newMessage));
    Table.SetCell(row, ColNewLength, std::to_string(length));
    State.CurrentNewLength = length;
    History.Edited(row, ShownBoxState(), PendingEditKind);
    NewTotalSizeLabel.SetCaption(std::to_string(length) + " bytes");

    // Everything is recomputed from all rows. One pass gives the sizes, the blank count and
    // the invalid count of the other rows; the current row's validity is added once it has
    // been checked below.
    double newTextSize = 0, originalTotal = 0, otherBad = 0;
    int blankCount = 0;
    for (int r = 1; r <= Table.Count(); ++r) {
        const MessageRow& cells = Table.Row(r);
        const double a = LeadingNumber(cells[ColOriginalLength]);
        const double b = LeadingNumber(cells[ColNewLength]);
        newTextSize += b;
        originalTotal += a;
        if (a > 0 && b == 0) ++blankCount;
        if (r != row) otherBad += LeadingNumber(cells[ColBad]);
    }
    State.NewTextSize = newTextSize;
    State.NewFileSize = State.OriginalFileSize - originalTotal + newTextSize;
    State.BlankCount = static_cast<std::int16_t>(blankCount);

    BlankCountLabel.SetCaption(std::to_string(State.BlankCount));
    NewCodeCountLabel.SetCaption(std::to_string(CountControlChars(Table.Cell(row, ColNewMessage))));
    UpdateOriginalTextSize();
    UpdateNewTextSize();
    NewFileTextSizeLabel.SetCaption(NumberCaption(State.NewTextSize) + " bytes");
    NewFileSizeLabel.SetCaption(NumberCaption(State.NewFileSize) + " bytes");

    ValidateNewMessage();
    const double bad = LeadingNumber(Table.Cell(row, ColBad));
    NewMessageBox.ForeColor = bad != 0 ? kRed : ToColour(State.NewStyle.ForeColor);

    // Counting the invalid rows one by one from "0" would run the counter's handler at
    // every step; each run recomputes everything from the caption and the table, so one
    // run with the final caption leaves the same state. It runs when counting would have
    // run it at least once: the caption was not "0" before, or the total is not 0.
    const double invalid = otherBad + bad;
    if (InvalidCountLabel.Caption() != "0" || invalid != 0) {
        const std::string caption = NumberCaption(invalid);
        if (InvalidCountLabel.Caption() != caption)
            InvalidCountLabel.SetCaption(caption);
        else
            UpdateInvalidCounter();
    }
    if (Ended) return;

    WriteWorkFile(3);
}

void MainWindow::ValidateNewMessage() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return;
    const bool invalid =
        IsInvalidNewMessage(Table.Cell(row, ColNewMessage), Table.Cell(row, ColOriginalMessage));
    Table.SetCell(row, ColBad, invalid ? "1" : "0");
    NewMessageBox.ForeColor = invalid ? kRed : ToColour(State.NewStyle.ForeColor);
}

void MainWindow::UpdateOriginalTextSize() {
    if (Ended) return;
    UpdateTextSize(OriginalTotalSizeLabel, OriginalCodeCountLabel, OriginalTextSizeLabel);
}

void MainWindow::UpdateNewTextSize() {
    if (Ended) return;
    UpdateTextSize(NewTotalSizeLabel, NewCodeCountLabel, NewTextSizeLabel);
}

// Both counts' handlers colour only the new message's count.
void MainWindow::OnOriginalCodeCountChanged() {
    if (Ended) return;
    NewCodeCountLabel.ForeColor =
        NewCodeCountLabel.Caption() != OriginalCodeCountLabel.Caption() ? kRed : kBlue;
}

void MainWindow::OnNewCodeCountChanged() {
    OnOriginalCodeCountChanged();
}

void MainWindow::UpdateInvalidCounter() {
    if (Ended) return;
    if (InvalidCountLabel.Caption() != "0") {
        InvalidCountLabel.ForeColor = kRed;
        InvalidCountLabel.ToolTipText =
            RowList(Table, InvalidCountLabel.ToolTipText.size(),
                    [this](int row) { return LeadingNumber(Table.Cell(row, ColBad)) == 1; });
    } else {
        InvalidCountLabel.ForeColor = kBlue;
        InvalidCountLabel.ToolTipText.clear();
    }
    ApplySaveRule(*this);
}

void MainWindow::UpdateBlankCounter() {
    if (Ended) return;
    const double blank = LeadingNumber(BlankCountLabel.Caption());
    if (blank > 0) {
        BlankCountLabel.ForeColor = kRed;
        BlankCountLabel.ToolTipText =
            RowList(Table, BlankCountLabel.ToolTipText.size(), [this](int row) {
                return !Table.Cell(row, ColRealAA).empty() &&
                       LeadingNumber(Table.Cell(row, ColNewLength)) == 0;
            });
    } else {
        BlankCountLabel.ForeColor = kBlue;
        BlankCountLabel.ToolTipText.clear();
    }
    btnWriteFile.Enabled = blank == 0;
    ApplySaveRule(*this);
}

} // namespace quillon
