// The keys for working through a whole file: jumps to what is left (invalid or blank
// messages), undo and redo, find, the project window; and the notice that needs no answer.
#include "editor/MainWindow.h"

namespace quillon {

void MainWindow::ShowNotice(std::string text) {
    Notice.Text = std::move(text);
    ++Notice.Serial;
}

void MainWindow::WorkKeys(int& KeyCode, int& Shift) {
    if (Ended || KeyCode == 0) return;
    const bool shifted = (Shift & vbShiftMask) != 0;
    bool handled = true;
    if (KeyCode == vbKeyF7)
        JumpToInvalid(!shifted);
    else if (KeyCode == vbKeyF8)
        JumpToBlank(!shifted);
    else if (KeyCode == vbKeyF9)
        ShowProjectWindow();
    else if (KeyCode == vbKeyZ && Shift == vbCtrlMask)
        UndoEdit();
    else if ((KeyCode == vbKeyY && Shift == vbCtrlMask) ||
             (KeyCode == vbKeyZ && Shift == (vbCtrlMask | vbShiftMask)))
        RedoEdit();
    else if (KeyCode == vbKeyF && Shift == vbCtrlMask)
        ShowFindWindow();
    else
        handled = false;
    if (handled) {
        KeyCode = 0;
        Shift = 0;
    } else if (KeyCode >= vbKeyPageUp && KeyCode <= vbKeyDown) {
        History.EndGroup(); // the caret moves: what is typed next is a step of its own
    }
}

void MainWindow::JumpToInvalid(bool forward) {
    JumpTo(forward, true);
}

void MainWindow::JumpToBlank(bool forward) {
    JumpTo(forward, false);
}

// The rows are those the counters list; only numbered messages can be shown.
void MainWindow::JumpTo(bool forward, bool invalid) {
    if (Ended) return;
    const int count = Doc.Count();
    const int current = CurrentRow();
    int found = 0, number = 0;
    for (int step = 1; step <= count && found == 0; ++step) {
        int row = current + (forward ? step : -step);
        row = ((row - 1) % count + count) % count + 1;
        const Message& message = Doc.At(row);
        const bool passes = invalid ? message.invalid : message.Blank();
        if (passes && message.number != 0) {
            found = row;
            number = message.number;
        }
    }
    const char* what = invalid ? "invalid" : "blank";
    if (found == 0) {
        ShowNotice(std::string("No ") + what + " messages.");
    } else if (found == current) {
        ShowNotice(std::string("This is the only ") + what + " message.");
    } else {
        MessageSlider.Value = number;
        const int serial = Notice.Serial;
        ShowCurrentMessage();
        if (forward ? found < current : found > current) {
            // Keep what the display itself had to say.
            std::string text =
                forward ? "Went round to the first message." : "Went round to the last message.";
            if (Notice.Serial != serial) text += " " + Notice.Text;
            ShowNotice(std::move(text));
        }
    }
    Focus.SetFocus(NewMessageBox);
}

} // namespace quillon
