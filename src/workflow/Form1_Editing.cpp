// Live editing: both message boxes refreshed from the current row, and the edit step that
// stores the new message, recomputes the sizes and counters and validates the row.
#include "workflow/Form1.h"

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
void ApplySaveRule(Form1& form) {
    const bool allBlank = form.LabelNewMessages.Caption() == form.LabelBlankMessages.Caption();
    form.btnSaveFile[0].Enabled = !(allBlank || LeadingNumber(form.LabelBadMessages.Caption()) > 0);
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

void Form1::CheckHideControlCharacters_Click() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return; // nothing shown yet: the boxes stay
    DisplayScope display(*this);
    if (CheckHideControlCharacters.Value() == 1) {
        if (TextMessageGB.Text() == "*") {
            TextMessageGR.SetText("*");
            return;
        }
        // Setting the original box re-enters this refresh through its change handler; the
        // inner pass finds the texts in place.
        TextMessageGB.SetText(HideControlCodes(Table.Cell(row, ColOriginalMessage)));
        if (TextMessageGB.Text().empty()) TextMessageGB.SetText("*");
        TextMessageGR.SetText(HideControlCodes(Table.Cell(row, ColNewMessage)));
    } else {
        TextMessageGB.SetText(Table.Cell(row, ColOriginalMessage));
        TextMessageGR.SetText(Table.Cell(row, ColNewMessage));
    }
    if (TextMessageGB.Text() == "*") TextMessageGR.SetText("*");
    Focus.SetFocus(TextMessageGR);
}

// Whatever is typed or set there, the original box goes back to what the refresh shows.
void Form1::TextMessageGB_Change() {
    CheckHideControlCharacters_Click();
}

void Form1::TextMessageGR_Change() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return;

    std::string newMessage =
        CheckHideControlCharacters.Value() == 0
            ? TextMessageGR.Text()
            : RebuildControlCodes(TextMessageGR.Text(), Table.Cell(row, ColOriginalMessage),
                                  TextMessageGB.Text() == "*");
    const int length = static_cast<int>(newMessage.size());
    // The work changes when the user's edit (typing, F10, Break, Esc) alters the stored
    // message; the boxes being refilled from the table is no change of the work.
    if (PendingEditKind != EditKind::Display && newMessage != Table.Cell(row, ColNewMessage))
        State.WorkChanged = true;
    Table.SetCell(row, ColNewMessage, std::move(newMessage));
    Table.SetCell(row, ColNewLength, std::to_string(length));
    State.CurrentNewLength = length;
    History.Edited(row, ShownBoxState(), PendingEditKind);
    LabelCharactersNumberGR.SetCaption(std::to_string(length) + " bytes");

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

    LabelBlankMessages.SetCaption(std::to_string(State.BlankCount));
    LabelControlCharsGR.SetCaption(
        std::to_string(CountControlChars(Table.Cell(row, ColNewMessage))));
    LabelCharactersNumberGB_Change();
    LabelCharactersNumberGR_Change();
    LabelNewTextSize.SetCaption(NumberCaption(State.NewTextSize) + " bytes");
    LabelNewSize.SetCaption(NumberCaption(State.NewFileSize) + " bytes");

    ValidateNewMessage();
    const double bad = LeadingNumber(Table.Cell(row, ColBad));
    TextMessageGR.ForeColor = bad != 0 ? kRed : ToColour(State.NewStyle.ForeColor);

    // Counting the invalid rows one by one from "0" would run the counter's handler at
    // every step; each run recomputes everything from the caption and the table, so one
    // run with the final caption leaves the same state. It runs when counting would have
    // run it at least once: the caption was not "0" before, or the total is not 0.
    const double invalid = otherBad + bad;
    if (LabelBadMessages.Caption() != "0" || invalid != 0) {
        const std::string caption = NumberCaption(invalid);
        if (LabelBadMessages.Caption() != caption)
            LabelBadMessages.SetCaption(caption);
        else
            LabelBadMessages_Change();
    }
    if (Ended) return;

    CreateTMF(3);
}

void Form1::ValidateNewMessage() {
    if (Ended) return;
    const int row = CurrentRow();
    if (row < 1 || row > Table.Count()) return;
    const bool invalid =
        IsInvalidNewMessage(Table.Cell(row, ColNewMessage), Table.Cell(row, ColOriginalMessage));
    Table.SetCell(row, ColBad, invalid ? "1" : "0");
    TextMessageGR.ForeColor = invalid ? kRed : ToColour(State.NewStyle.ForeColor);
}

void Form1::LabelCharactersNumberGB_Change() {
    if (Ended) return;
    UpdateTextSize(LabelCharactersNumberGB, LabelControlCharsGB, LabelTextsizeGB);
}

void Form1::LabelCharactersNumberGR_Change() {
    if (Ended) return;
    UpdateTextSize(LabelCharactersNumberGR, LabelControlCharsGR, LabelTextsizeGR);
}

// Both counts' handlers colour only the new message's count.
void Form1::LabelControlCharsGB_Change() {
    if (Ended) return;
    LabelControlCharsGR.ForeColor =
        LabelControlCharsGR.Caption() != LabelControlCharsGB.Caption() ? kRed : kBlue;
}

void Form1::LabelControlCharsGR_Change() {
    LabelControlCharsGB_Change();
}

void Form1::LabelBadMessages_Change() {
    if (Ended) return;
    if (LabelBadMessages.Caption() != "0") {
        LabelBadMessages.ForeColor = kRed;
        LabelBadMessages.ToolTipText =
            RowList(Table, LabelBadMessages.ToolTipText.size(),
                    [this](int row) { return LeadingNumber(Table.Cell(row, ColBad)) == 1; });
    } else {
        LabelBadMessages.ForeColor = kBlue;
        LabelBadMessages.ToolTipText.clear();
    }
    ApplySaveRule(*this);
}

void Form1::LabelBlankMessages_Change() {
    if (Ended) return;
    const double blank = LeadingNumber(LabelBlankMessages.Caption());
    if (blank > 0) {
        LabelBlankMessages.ForeColor = kRed;
        LabelBlankMessages.ToolTipText =
            RowList(Table, LabelBlankMessages.ToolTipText.size(), [this](int row) {
                return !Table.Cell(row, ColRealAA).empty() &&
                       LeadingNumber(Table.Cell(row, ColNewLength)) == 0;
            });
    } else {
        LabelBlankMessages.ForeColor = kBlue;
        LabelBlankMessages.ToolTipText.clear();
    }
    btnCreateNewCUT.Enabled = blank == 0;
    ApplySaveRule(*this);
}

} // namespace quillon
