// Ctrl+F: the find window, and the messages as the boxes show them, which is what it searches.
#include "editor/MainWindow.h"

#include "text/ControlCodes.h"

namespace quillon {

void MainWindow::ShowFindWindow() {
    if (Ended) return;
    if (!Find) Find = std::make_unique<FindWindow>(*this);
    Find->Window.Visible = true;
    Find->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
    Find->LabelStatus.SetCaption("");
    Focus.SetFocus(Find->TextFind);
    // What was looked for last is selected, so typing replaces it.
    Find->TextFind.SelStart = 0;
    Find->TextFind.SelLength = static_cast<int>(Find->TextFind.Text().size());
}

std::string MainWindow::AsShown(int row, bool original) const {
    if (row == CurrentRow()) return original ? OriginalMessageBox.Text() : NewMessageBox.Text();
    const Message& message = Doc.At(row);
    const std::string& text = original ? message.original : message.edited;
    if (CheckHideControlCharacters.Value() != 1) return text;
    // A message of codes only shows as "*" in both boxes.
    if (HideControlCodes(message.original).empty()) return "*";
    return HideControlCodes(text);
}

} // namespace quillon
