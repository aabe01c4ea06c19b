// Moving between messages: the display of the current row, the slider, the buttons and keys
// of the two message boxes, the focus rule, the backup on release, revealing the table.
#include "workflow/Form1.h"

#include "text/ControlCodes.h"

#include <charconv>

namespace quillon {

namespace {

// A "Real A/A" that is a whole number gives the slider position; a one-character row's own
// text (a letter, say) does not.
bool WholeNumber(const std::string& text, int& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// The first numbered row whose block passes the key's test; on a .CUT file (one block)
// nothing does, and the current row is shown again.
void BlockSearch(Form1& form, int key) {
    for (int row = 1; row <= form.Table.Count(); ++row) {
        if (form.Table.Cell(row, ColRealAA).empty()) continue;
        const std::string& block = form.Table.Cell(row, ColBlock);
        const bool passes = key == vbKeyF2   ? block != "1"
                            : key == vbKeyF3 ? LeadingNumber(block) > 2
                                             : LeadingNumber(block) > 3;
        if (!passes) continue;
        int value = 0;
        if (WholeNumber(form.Table.Cell(row, ColRealAA), value)) form.Slider1.Value = value;
        break;
    }
    form.ShowCurrentMessage();
    form.Focus.SetFocus(form.TextMessageGR);
}

} // namespace

void Form1::ShowCurrentMessage() {
    if (Ended) return;
    if (Slider1.Value == 2 && State.Numbering.MessageCount == 1) Slider1.Value = 1;
    const int row = Table.FindRealAA(std::to_string(Slider1.Value));
    if (row == 0) return; // no message has this number: nothing to show
    ListView1.SelectedRow = row;
    ++ListView1.RedrawCount;
    DisplayScope display(*this, true);
    State.Numbering.CurrentBlock = LeadingInt16(Table.Cell(row, ColBlock));

    LabelOriginalMessage.SetCaption(Table.Cell(row, ColRealAA));
    LabelNewMessage.SetCaption(Table.Cell(row, ColRealAA));
    LabelCharactersNumberGB.SetCaption(Table.Cell(row, ColOriginalLength) + " bytes");

    // Each box's change handler runs inside the assignment; the new message's edit step
    // may rewrite the row before it is read back below.
    TextMessageGB.SetText(Table.Cell(row, ColOriginalMessage));
    TextMessageGR.SetText(Table.Cell(row, ColNewMessage));

    LabelControlCharsGB.SetCaption(
        std::to_string(CountControlChars(Table.Cell(row, ColOriginalMessage))));
    LabelControlCharsGR.SetCaption(
        std::to_string(CountControlChars(Table.Cell(row, ColNewMessage))));

    // Taken before the boxes switch to the hidden form, so it is always the full notation.
    State.RestoreText = TextMessageGR.Text();

    LabelCharactersNumberGB_Change();
    LabelCharactersNumberGR_Change();
    CheckHideControlCharacters_Click();
    Focus.SetFocus(TextMessageGR);
}

void Form1::Slider1_Scroll() {
    ShowCurrentMessage();
}

void Form1::btnNextMessage_Click() {
    if (Ended) return;
    if (Slider1.Value < Slider1.Max) {
        ++Slider1.Value;
        ShowCurrentMessage();
    }
    Focus.SetFocus(TextMessageGR);
}

void Form1::btnPreviousMessage_Click() {
    if (Ended) return;
    if (Slider1.Value >= 2) {
        --Slider1.Value;
        ShowCurrentMessage();
    }
    Focus.SetFocus(TextMessageGR);
}

void Form1::btnCopyOriginalMessage_Click() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    TextMessageGR.SetText(TextMessageGB.Text());
    Focus.SetFocus(TextMessageGR);
}

void Form1::btnClearMessage_Click() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    TextMessageGR.SetText("");
    Focus.SetFocus(TextMessageGR);
}

void Form1::btnRestoreMessage_Click() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    TextMessageGR.SetText(State.RestoreText);
    Focus.SetFocus(TextMessageGR);
}

void Form1::TextMessageGR_KeyDown(int& KeyCode, int& Shift) {
    if (Ended) return;
    // Independent tests, one after the other: F10 swallows its key, so nothing after it
    // matches.
    if (KeyCode == vbKeyA && Shift == vbCtrlMask) {
        TextMessageGR.SelStart = 0;
        TextMessageGR.SelLength = static_cast<int>(TextMessageGR.Text().size());
    }
    if (KeyCode == vbKeyPause) btnClearMessage_Click();
    if (KeyCode == vbKeyF1) {
        Slider1.Value = 1;
        ShowCurrentMessage();
        Focus.SetFocus(TextMessageGR);
    }
    if (KeyCode == vbKeyF2 || KeyCode == vbKeyF3 || KeyCode == vbKeyF4) BlockSearch(*this, KeyCode);
    if (KeyCode == vbKeyF5) {
        Slider1.Value = Slider1.Max;
        ShowCurrentMessage();
        Focus.SetFocus(TextMessageGR);
    }
    if (KeyCode == vbKeyF10) {
        btnCopyOriginalMessage_Click();
        KeyCode = 0;
        Shift = 0;
        // The box already had the focus, so no focus event will apply the rule.
        TextMessageGR_GotFocus();
    }
    if (KeyCode == vbKeyF11) btnPreviousMessage_Click();
    if (KeyCode == vbKeyF12) btnNextMessage_Click();
    if (KeyCode == vbKeyEscape) {
        btnRestoreMessage_Click();
        CheckHideControlCharacters_Click();
    }
    WorkKeys(KeyCode, Shift);
}

void Form1::TextMessageGB_KeyDown(int& KeyCode, int& Shift) {
    if (Ended) return;
    if (KeyCode == vbKeyA && Shift == vbCtrlMask) {
        TextMessageGB.SelStart = 0;
        TextMessageGB.SelLength = static_cast<int>(TextMessageGB.Text().size());
    }
    TextMessageGR_KeyDown(KeyCode, Shift);
}

void Form1::TextMessageGR_GotFocus() {
    if (Ended) return;
    const int length = static_cast<int>(TextMessageGR.Text().size());
    if (CheckHighlight.Value() == 1) {
        TextMessageGR.SelStart = 0;
        TextMessageGR.SelLength = length;
    } else {
        TextMessageGR.SelStart = length;
        TextMessageGR.SelLength = 0;
    }
}

void Form1::TextMessageGR_KeyUp(int, int) {
    if (Ended) return;
    if (CheckAutoBackup.Value() == 1) CreateTMF(3);
}

void Form1::TextMessageGR_MouseUp(int, int, float, float) {
    if (Ended) return;
    History.EndGroup(); // a click may have moved the caret
    if (CheckAutoBackup.Value() == 1) CreateTMF(3);
}

void Form1::Form_DblClick() {
    if (Ended) return;
    // Eight steps of 2000 twips bring the table from 16000 to the left edge; the ninth
    // sends it back out.
    ListView1.Left -= 2000;
    ListView1.Visible = ListView1.Left == 0;
    if (ListView1.Left < 0) ListView1.Left = 16000;
}

} // namespace quillon
