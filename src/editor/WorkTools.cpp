// The tools for working through a whole file and folder: the keys that reach them, the jumps
// to what is left (invalid or blank messages), the find window and the messages as the boxes
// show them, which is what it searches, and the project window with opening a file from it
// the way the file cycle opens its neighbours.
#include "editor/WorkTools.h"

#include "editor/MainWindow.h"
#include "text/ControlCodes.h"

namespace quillon {

void WorkTools::OnKeyDown(int& keyCode, int& shift) {
    if (window_.Ended || keyCode == 0) return;
    const bool shifted = (shift & Modifier::Shift) != 0;
    bool handled = true;
    if (keyCode == Key::F7)
        JumpToInvalid(!shifted);
    else if (keyCode == Key::F8)
        JumpToBlank(!shifted);
    else if (keyCode == Key::F9)
        ShowProjectWindow();
    else if (keyCode == Key::Z && shift == Modifier::Ctrl)
        window_.Edits.Undo();
    else if ((keyCode == Key::Y && shift == Modifier::Ctrl) ||
             (keyCode == Key::Z && shift == (Modifier::Ctrl | Modifier::Shift)))
        window_.Edits.Redo();
    else if (keyCode == Key::F && shift == Modifier::Ctrl)
        ShowFindWindow();
    else
        handled = false;
    if (handled) {
        keyCode = 0;
        shift = 0;
    } else if (keyCode >= KeyCodeOf(Key::PageUp) && keyCode <= KeyCodeOf(Key::Down)) {
        window_.Edits.History
            .EndGroup(); // the caret moves: what is typed next is a step of its own
    }
}

void WorkTools::JumpToInvalid(bool forward) {
    JumpTo(forward, true);
}

void WorkTools::JumpToBlank(bool forward) {
    JumpTo(forward, false);
}

// The rows are those the counters list; only numbered messages can be shown.
void WorkTools::JumpTo(bool forward, bool invalid) {
    if (window_.Ended) return;
    const int count = window_.Doc.Count();
    const int current = window_.CurrentRow();
    int found = 0, number = 0;
    for (int step = 1; step <= count && found == 0; ++step) {
        int row = current + (forward ? step : -step);
        row = ((row - 1) % count + count) % count + 1;
        const Message& message = window_.Doc.At(row);
        const bool passes = invalid ? message.invalid : window_.Doc.IsBlank(message);
        if (passes && message.number != 0) {
            found = row;
            number = message.number;
        }
    }
    const char* what = invalid ? "invalid" : "blank";
    if (found == 0) {
        window_.ShowNotice(std::string("No ") + what + " messages.");
    } else if (found == current) {
        window_.ShowNotice(std::string("This is the only ") + what + " message.");
    } else {
        window_.MessageSlider.Value = number;
        const int serial = window_.Notice.Serial;
        window_.ShowCurrentMessage();
        if (forward ? found < current : found > current) {
            // Keep what the display itself had to say.
            std::string text =
                forward ? "Went round to the first message." : "Went round to the last message.";
            if (window_.Notice.Serial != serial) text += " " + window_.Notice.Text;
            window_.ShowNotice(std::move(text));
        }
    }
    window_.Focus.SetFocus(window_.NewMessageBox);
}

void WorkTools::ShowFindWindow() {
    if (window_.Ended) return;
    if (!Find) Find = std::make_unique<FindWindow>(window_);
    Find->Window.Visible = true;
    Find->Window.Topmost = window_.CheckAlwaysOnTop.Value() == 1;
    Find->LabelStatus.SetCaption("");
    window_.Focus.SetFocus(Find->TextFind);
    // What was looked for last is selected, so typing replaces it.
    Find->TextFind.SelStart = 0;
    Find->TextFind.SelLength = static_cast<int>(Find->TextFind.Text().size());
}

std::string WorkTools::AsShown(int row, bool original) const {
    if (row == window_.CurrentRow())
        return original ? window_.OriginalMessageBox.Text() : window_.NewMessageBox.Text();
    const Message& message = window_.Doc.At(row);
    const std::string& text = original ? message.original : message.edited;
    // A message whose codes would not come back from the hidden form is shown with them.
    if (window_.CheckHideControlCharacters.Value() != 1 ||
        !HidesExactly(message.edited, message.original))
        return text;
    // A message of codes only shows as "*" in both boxes.
    return HiddenBoxText(text, message.original);
}

void WorkTools::ShowProjectWindow() {
    if (window_.Ended) return;
    if (!Project) Project = std::make_unique<ProjectWindow>(window_);
    Project->Window.Visible = true;
    Project->Window.Topmost = window_.CheckAlwaysOnTop.Value() == 1;
    Project->Refresh();
    window_.Focus.SetFocus(Project->Window);
}

void WorkTools::OpenFromProject(const std::string& name) {
    // While a question is open no second command may start.
    if (window_.Ended || !window_.Window.Enabled) return;
    projectFileName_ = name;
    if (window_.AskBeforeClosing()) {
        window_.State.PendingQuestion = Question::OpenProjectFile;
        window_.KeepQuestionOnTop();
        window_.Confirm->OpenQuestion();
        window_.Confirm->SetQuestion(360, "Are you sure you want to close file " +
                                              window_.State.FileName + "?");
        return;
    }
    OpenProjectFile();
}

void WorkTools::OpenProjectFile() {
    if (window_.Ended) return;
    window_.Settings.Save();
    // Chosen by name, as in the open dialog: a file without text is not passed over.
    window_.State.Reached = ReachedBy::Dialog;
    window_.OpenFile(window_.State.FileFolder + projectFileName_);
}

} // namespace quillon
