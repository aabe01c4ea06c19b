// Moving between messages: the display of the current row, the slider, the buttons and keys
// of the two message boxes, the focus rule, the backup on release, revealing the table.
#include "editor/MainWindow.h"

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
void BlockSearch(MainWindow& form, int key) {
    for (int row = 1; row <= form.Table.Count(); ++row) {
        if (form.Table.Cell(row, ColRealAA).empty()) continue;
        const std::string& block = form.Table.Cell(row, ColBlock);
        const bool passes = key == vbKeyF2   ? block != "1"
                            : key == vbKeyF3 ? LeadingNumber(block) > 2
                                             : LeadingNumber(block) > 3;
        if (!passes) continue;
        int value = 0;
        if (WholeNumber(form.Table.Cell(row, ColRealAA), value)) form.MessageSlider.Value = value;
        break;
    }
    form.ShowCurrentMessage();
    form.Focus.SetFocus(form.NewMessageBox);
}

} // namespace

void MainWindow::ShowCurrentMessage() {
    if (Ended) return;
    if (MessageSlider.Value == 2 && State.Numbering.MessageCount == 1) MessageSlider.Value = 1;
    const int row = Table.FindRealAA(std::to_string(MessageSlider.Value));
    if (row == 0) return; // no message has this number: nothing to show
    TableView.SelectedRow = row;
    ++TableView.RedrawCount;
    DisplayScope display(*this, true);
    State.Numbering.CurrentBlock = LeadingInt16(Table.Cell(row, ColBlock));

    OriginalNumberLabel.SetCaption(Table.Cell(row, ColRealAA));
    NewNumberLabel.SetCaption(Table.Cell(row, ColRealAA));
    OriginalTotalSizeLabel.SetCaption(Table.Cell(row, ColOriginalLength) + " bytes");

    // Each box's change handler runs inside the assignment; the new message's edit step
    // may rewrite the row before it is read back below.
    OriginalMessageBox.SetText(Table.Cell(row, ColOriginalMessage));
    NewMessageBox.SetText(Table.Cell(row, ColNewMessage));

    OriginalCodeCountLabel.SetCaption(
        std::to_string(CountControlChars(Table.Cell(row, ColOriginalMessage))));
    NewCodeCountLabel.SetCaption(std::to_string(CountControlChars(Table.Cell(row, ColNewMessage))));

    // Taken before the boxes switch to the hidden form, so it is always the full notation.
    State.MessageWhenShown = NewMessageBox.Text();

    UpdateOriginalTextSize();
    UpdateNewTextSize();
    RefreshMessageBoxes();
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnMessageSliderMoved() {
    ShowCurrentMessage();
}

void MainWindow::OnNextMessageClicked() {
    if (Ended) return;
    if (MessageSlider.Value < MessageSlider.Max) {
        ++MessageSlider.Value;
        ShowCurrentMessage();
    }
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnPreviousMessageClicked() {
    if (Ended) return;
    if (MessageSlider.Value >= 2) {
        --MessageSlider.Value;
        ShowCurrentMessage();
    }
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnCopyOriginalMessageClicked() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    NewMessageBox.SetText(OriginalMessageBox.Text());
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnClearMessageClicked() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    NewMessageBox.SetText("");
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnRestoreMessageClicked() {
    if (Ended) return;
    EditKindScope step(PendingEditKind, EditKind::Command);
    NewMessageBox.SetText(State.MessageWhenShown);
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnNewBoxKeyDown(int& KeyCode, int& Shift) {
    if (Ended) return;
    // Independent tests, one after the other: F10 swallows its key, so nothing after it
    // matches.
    if (KeyCode == vbKeyA && Shift == vbCtrlMask) {
        NewMessageBox.SelStart = 0;
        NewMessageBox.SelLength = static_cast<int>(NewMessageBox.Text().size());
    }
    if (KeyCode == vbKeyPause) OnClearMessageClicked();
    if (KeyCode == vbKeyF1) {
        MessageSlider.Value = 1;
        ShowCurrentMessage();
        Focus.SetFocus(NewMessageBox);
    }
    if (KeyCode == vbKeyF2 || KeyCode == vbKeyF3 || KeyCode == vbKeyF4) BlockSearch(*this, KeyCode);
    if (KeyCode == vbKeyF5) {
        MessageSlider.Value = MessageSlider.Max;
        ShowCurrentMessage();
        Focus.SetFocus(NewMessageBox);
    }
    if (KeyCode == vbKeyF10) {
        OnCopyOriginalMessageClicked();
        KeyCode = 0;
        Shift = 0;
        // The box already had the focus, so no focus event will apply the rule.
        ApplyFocusSelectionRule();
    }
    if (KeyCode == vbKeyF11) OnPreviousMessageClicked();
    if (KeyCode == vbKeyF12) OnNextMessageClicked();
    if (KeyCode == vbKeyEscape) {
        OnRestoreMessageClicked();
        RefreshMessageBoxes();
    }
    WorkKeys(KeyCode, Shift);
}

void MainWindow::OnOriginalBoxKeyDown(int& KeyCode, int& Shift) {
    if (Ended) return;
    if (KeyCode == vbKeyA && Shift == vbCtrlMask) {
        OriginalMessageBox.SelStart = 0;
        OriginalMessageBox.SelLength = static_cast<int>(OriginalMessageBox.Text().size());
    }
    OnNewBoxKeyDown(KeyCode, Shift);
}

void MainWindow::ApplyFocusSelectionRule() {
    if (Ended) return;
    const int length = static_cast<int>(NewMessageBox.Text().size());
    if (CheckHighlight.Value() == 1) {
        NewMessageBox.SelStart = 0;
        NewMessageBox.SelLength = length;
    } else {
        NewMessageBox.SelStart = length;
        NewMessageBox.SelLength = 0;
    }
}

void MainWindow::OnNewBoxKeyUp(int, int) {
    if (Ended) return;
    if (CheckAutoBackup.Value() == 1) WriteWorkFile(3);
}

void MainWindow::OnNewBoxMouseUp(int, int, float, float) {
    if (Ended) return;
    History.EndGroup(); // a click may have moved the caret
    if (CheckAutoBackup.Value() == 1) WriteWorkFile(3);
}

void MainWindow::StepTableIntoView() {
    if (Ended) return;
    // Eight steps of 2000 twips bring the table from 16000 to the left edge; the ninth
    // sends it back out.
    TableView.Left -= 2000;
    TableView.Visible = TableView.Left == 0;
    if (TableView.Left < 0) TableView.Left = 16000;
}

} // namespace quillon
