// The keys for working through a whole file: jumps to what is left (invalid or blank
// messages), undo and redo, find, the project window; and the notice that needs no answer.
#include "editor/MainWindow.h"

namespace quillon {

void MainWindow::ShowNotice(std::string text) {
    Notice.Text = std::move(text);
    ++Notice.Serial;
}

void MainWindow::WorkKeys(int& keyCode, int& shift) {
    if (Ended || keyCode == 0) return;
    const bool shifted = (shift & Modifier::Shift) != 0;
    bool handled = true;
    if (keyCode == Key::F7)
        JumpToInvalid(!shifted);
    else if (keyCode == Key::F8)
        JumpToBlank(!shifted);
    else if (keyCode == Key::F9)
        ShowProjectWindow();
    else if (keyCode == Key::Z && shift == Modifier::Ctrl)
        Edits.Undo();
    else if ((keyCode == Key::Y && shift == Modifier::Ctrl) ||
             (keyCode == Key::Z && shift == (Modifier::Ctrl | Modifier::Shift)))
        Edits.Redo();
    else if (keyCode == Key::F && shift == Modifier::Ctrl)
        ShowFindWindow();
    else
        handled = false;
    if (handled) {
        keyCode = 0;
        shift = 0;
    } else if (keyCode >= KeyCodeOf(Key::PageUp) && keyCode <= KeyCodeOf(Key::Down)) {
        Edits.History.EndGroup(); // the caret moves: what is typed next is a step of its own
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
