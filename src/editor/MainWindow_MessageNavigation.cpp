// Moving between messages: the display of the current row, the slider, the buttons and keys
// of the two message boxes, the focus rule, the backup on release, revealing the table.
#include "editor/MainWindow.h"

#include "text/ControlCodes.h"

namespace quillon {

namespace {

// F2, F3 and F4 go to the first message of the second, third or fourth block of messages;
// a file holds one block, so the current message is shown again.
void BlockSearch(MainWindow& form) {
    form.ShowCurrentMessage();
    form.Focus.SetFocus(form.NewMessageBox);
}

} // namespace

void MainWindow::ShowCurrentMessage() {
    if (Ended) return;
    if (MessageSlider.Value == 2 && Doc.NumberedCount() == 1) MessageSlider.Value = 1;
    const int row = Doc.RowOfNumber(MessageSlider.Value);
    if (row == 0) return; // no message has this number: nothing to show
    if (Notice.Row != row) ClearNotice();
    TableView.SelectedRow = row;
    ++TableView.RedrawCount;
    DisplayScope display(*this);

    OriginalNumberLabel.SetCaption(Doc.Label(row));
    NewNumberLabel.SetCaption(Doc.Label(row));

    // Each box's change handler runs inside the assignment; the new message's edit step
    // may rewrite the row before it is read back below.
    OriginalMessageBox.SetText(Doc.At(row).original);
    NewMessageBox.SetText(Doc.At(row).edited);

    // Taken before the boxes switch to the hidden form, so it is always the full notation.
    State.MessageWhenShown = NewMessageBox.Text();

    ShowMessageSizes();
    // The boxes may not have changed (two empty new messages): the note follows the row.
    ShowMessageNote();
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
    ClearNotice();
    EditKindScope step(Edits.PendingKind, EditKind::Command);
    NewMessageBox.SetText(OriginalMessageBox.Text());
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnClearMessageClicked() {
    if (Ended) return;
    ClearNotice();
    EditKindScope step(Edits.PendingKind, EditKind::Command);
    NewMessageBox.SetText("");
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnRestoreMessageClicked() {
    if (Ended) return;
    ClearNotice();
    EditKindScope step(Edits.PendingKind, EditKind::Command);
    NewMessageBox.SetText(State.MessageWhenShown);
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnNewBoxKeyDown(int& keyCode, int& shift) {
    if (Ended) return;
    ClearNotice();
    // Independent tests, one after the other: F10 swallows its key, so nothing after it
    // matches.
    if (keyCode == Key::A && shift == Modifier::Ctrl) {
        NewMessageBox.SelStart = 0;
        NewMessageBox.SelLength = static_cast<int>(NewMessageBox.Text().size());
    }
    if (keyCode == Key::Pause) OnClearMessageClicked();
    if (keyCode == Key::F1) {
        MessageSlider.Value = 1;
        ShowCurrentMessage();
        Focus.SetFocus(NewMessageBox);
    }
    if (keyCode == Key::F2 || keyCode == Key::F3 || keyCode == Key::F4) BlockSearch(*this);
    if (keyCode == Key::F5) {
        MessageSlider.Value = MessageSlider.Max;
        ShowCurrentMessage();
        Focus.SetFocus(NewMessageBox);
    }
    if (keyCode == Key::F10) {
        OnCopyOriginalMessageClicked();
        keyCode = 0;
        shift = 0;
        // The box already had the focus, so no focus event will apply the rule.
        ApplyFocusSelectionRule();
    }
    if (keyCode == Key::F11) OnPreviousMessageClicked();
    if (keyCode == Key::F12) OnNextMessageClicked();
    if (keyCode == Key::Escape) {
        OnRestoreMessageClicked();
        RefreshMessageBoxes();
    }
    Tools.OnKeyDown(keyCode, shift);
}

void MainWindow::OnOriginalBoxKeyDown(int& keyCode, int& shift) {
    if (Ended) return;
    if (keyCode == Key::A && shift == Modifier::Ctrl) {
        OriginalMessageBox.SelStart = 0;
        OriginalMessageBox.SelLength = static_cast<int>(OriginalMessageBox.Text().size());
    }
    OnNewBoxKeyDown(keyCode, shift);
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
    if (CheckAutoBackup.Value() == 1) Work.WriteAutoBackup();
}

void MainWindow::OnNewBoxMouseUp(int, int, float, float) {
    if (Ended) return;
    Edits.History.EndGroup(); // a click may have moved the caret
    if (CheckAutoBackup.Value() == 1) Work.WriteAutoBackup();
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
