// The window's close command, the About and Help windows, and the notice that asks nothing.
#include "editor/MainWindow.h"

#include <utility>

namespace quillon {

void MainWindow::RemoveCloseButton(WindowPart& frm) {
    // Only the close command goes; the window keeps moving, sizing and minimising however
    // often it is opened.
    frm.CloseRemoved = true;
}

void MainWindow::OnAboutClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    if (!About) {
        About = std::make_unique<AboutWindow>(*this);
        About->Prepare();
    }
    About->Window.Visible = true;
    RemoveCloseButton(About->Window);
    // About answers alone until its OK: the main window takes no input meanwhile.
    Window.Enabled = false;
    About->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
}

void MainWindow::OnHelpClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    if (!Help) {
        Help = std::make_unique<HelpWindow>(*this);
        Help->Prepare();
    }
    Help->Window.Visible = true;
    Focus.SetFocus(Help->Window);
    Help->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
}

void MainWindow::ShowNotice(std::string text) {
    Notice.Text = std::move(text);
    Notice.Row = CurrentRow();
    ++Notice.Serial;
}

void MainWindow::ClearNotice() {
    if (Notice.Text.empty()) return;
    Notice.Text.clear();
    ++Notice.Serial;
}

} // namespace quillon
