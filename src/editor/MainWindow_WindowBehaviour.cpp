// The look of the two message boxes (font and background choosers), the window's own
// behaviour (close command, always on top, settings pages) and the About and Help windows.
#include "editor/MainWindow.h"

#include <utility>

namespace quillon {

void MainWindow::OnOriginalFontPageClicked(int) {
    if (Ended) return;
    OriginalLook.ChooseFont(platform);
}

void MainWindow::OnNewFontPageClicked(int) {
    if (Ended) return;
    NewLook.ChooseFont(platform);
}

void MainWindow::OnOriginalBackgroundClicked() {
    if (Ended) return;
    OriginalLook.ChooseBackground(SharedFileDialog);
}

void MainWindow::OnNewBackgroundClicked() {
    if (Ended) return;
    NewLook.ChooseBackground(SharedFileDialog);
}

void MainWindow::RemoveCloseButton(WindowPart& frm) {
    // Only the close command goes; the window keeps moving, sizing and minimising however
    // often it is opened.
    frm.CloseRemoved = true;
}

void MainWindow::OnAlwaysOnTopClicked() {
    if (Ended) return;
    Window.Topmost = CheckAlwaysOnTop.Value() == 1;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnConfirmCloseOrReplaceClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnHighlightClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnRememberLastDirectoryClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnSettingsGeneralClicked() {
    ShowSettingsPage(OptionSettingsGeneral);
}

void MainWindow::OnSettingsOriginalClicked() {
    ShowSettingsPage(OptionSettingsOriginal);
}

void MainWindow::OnSettingsNewClicked() {
    ShowSettingsPage(OptionSettingsNew);
}

// The three pages lie on one another: the selected button's page is shown, the others hidden.
void MainWindow::ShowSettingsPage(const OptionButton& clicked) {
    if (Ended) return;
    if (clicked.Value) {
        const std::pair<OptionButton*, Frame*> pages[] = {
            {&OptionSettingsGeneral, &FrameSettingsGeneral},
            {&OptionSettingsOriginal, &FrameSettingsOriginal},
            {&OptionSettingsNew, &FrameSettingsNew},
        };
        for (auto [button, page] : pages) {
            button->Value = button == &clicked;
            page->Visible = button == &clicked;
        }
    }
    Focus.SetFocus(NewMessageBox);
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

} // namespace quillon
