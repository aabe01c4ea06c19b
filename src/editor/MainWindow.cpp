// The wiring of each of the main window's controls to its handler.
#include "editor/MainWindow.h"

namespace quillon {

MainWindow::MainWindow(Platform& platform_)
    : platform(platform_), SharedFileDialog(platform_), Settings(*this), Edits(*this), Work(*this),
      Tools(*this) {
    WireHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::WireHandlers() {
    // Every event first checks that the program is still running: once it has ended, a
    // late event must not touch anything.
    auto on = [this](void (MainWindow::*handler)()) {
        return [this, handler] {
            if (!Ended) (this->*handler)();
        };
    };
    // A click on a button takes the focus first, the way the window system moves it.
    auto click = [this](CommandButton& button, std::function<void()> handler) {
        button.Click = [this, &button, handler = std::move(handler)] {
            if (Ended) return;
            Focus.SetFocus(button);
            handler();
        };
    };

    OriginalMessageBox.Change = on(&MainWindow::OnOriginalMessageChanged);
    NewMessageBox.Change = on(&MainWindow::OnNewMessageEdited);
    NewMessageBox.GotFocus = on(&MainWindow::ApplyFocusSelectionRule);
    MessageSlider.Scroll = on(&MainWindow::OnMessageSliderMoved);

    InvalidCountLabel.Change = on(&MainWindow::UpdateInvalidCounter);
    BlankCountLabel.Change = on(&MainWindow::UpdateBlankCounter);

    click(btnRestoreMessage, on(&MainWindow::OnRestoreMessageClicked));
    click(btnClearMessage, on(&MainWindow::OnClearMessageClicked));
    click(btnCopyOriginalMessage, on(&MainWindow::OnCopyOriginalMessageClicked));
    click(btnPreviousMessage, on(&MainWindow::OnPreviousMessageClicked));
    click(btnNextMessage, on(&MainWindow::OnNextMessageClicked));
    click(btnPreviousFile, on(&MainWindow::OnPreviousFileClicked));
    click(btnCloseFile, on(&MainWindow::OnCloseFileClicked));
    click(btnNextFile, on(&MainWindow::OnNextFileClicked));
    click(btnSaveNewMessages, [this] { Work.OnSaveClicked(TmfContent::NewMessages); });
    click(btnSaveOriginalMessages, [this] { Work.OnSaveClicked(TmfContent::OriginalMessages); });
    click(btnLoadWorkFile, [this] { Work.OnLoadClicked(); });
    click(btnWriteFile, on(&MainWindow::OnWriteFileClicked));
    click(btnHelp, on(&MainWindow::OnHelpClicked));
    click(btnAbout, on(&MainWindow::OnAboutClicked));
    click(btnExit, on(&MainWindow::OnExitClicked));

    CheckHideControlCharacters.Click = on(&MainWindow::RefreshMessageBoxes);
}

void MainWindow::ShowMessage(const std::string& text, const std::string& title, MsgIcon icon) {
    platform.ShowMessageBox({text, title, icon});
}

void MainWindow::EndProgram() {
    if (Ended) return;
    // Nothing of an ended program stays on the screen, the small windows included: a window
    // still showing would be asked to close, and ours close only through their handlers.
    Window.Visible = false;
    for (WindowPart* window :
         {Confirm ? &Confirm->Window : nullptr, About ? &About->Window : nullptr,
          Help ? &Help->Window : nullptr, Tools.Find ? &Tools.Find->Window : nullptr,
          Tools.Project ? &Tools.Project->Window : nullptr})
        if (window != nullptr) window->Visible = false;
    Ended = true;
    platform.Quit();
}

} // namespace quillon
