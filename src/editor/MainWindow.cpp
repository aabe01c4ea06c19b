// The wiring of each of the main window's controls to its handler.
#include "editor/MainWindow.h"

#include "settings/Settings.h"

namespace quillon {

MainWindow::MainWindow(Platform& platform_)
    : platform(platform_), SharedFileDialog(platform_),
      OriginalLook(settings::kOriginalPrefix, OriginalFontPage, State.OriginalStyle,
                   OriginalMessageBox, OriginalBackgroundSwatch),
      NewLook(settings::kNewPrefix, NewFontPage, State.NewStyle, NewMessageBox,
              NewBackgroundSwatch) {
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
    for (int i = 0; i < 5; ++i) {
        OriginalFontPage[i].Click = [this, i] {
            if (!Ended) OnOriginalFontPageClicked(i);
        };
        NewFontPage[i].Click = [this, i] {
            if (!Ended) OnNewFontPageClicked(i);
        };
    }
    OriginalBackgroundSwatch.Click = on(&MainWindow::OnOriginalBackgroundClicked);
    NewBackgroundSwatch.Click = on(&MainWindow::OnNewBackgroundClicked);

    click(btnRestoreMessage, on(&MainWindow::OnRestoreMessageClicked));
    click(btnClearMessage, on(&MainWindow::OnClearMessageClicked));
    click(btnCopyOriginalMessage, on(&MainWindow::OnCopyOriginalMessageClicked));
    click(btnPreviousMessage, on(&MainWindow::OnPreviousMessageClicked));
    click(btnNextMessage, on(&MainWindow::OnNextMessageClicked));
    click(btnPreviousFile, on(&MainWindow::OnPreviousFileClicked));
    click(btnCloseFile, on(&MainWindow::OnCloseFileClicked));
    click(btnNextFile, on(&MainWindow::OnNextFileClicked));
    click(btnSaveNewMessages, [this] { OnSaveWorkFileClicked(TmfContent::NewMessages); });
    click(btnSaveOriginalMessages, [this] { OnSaveWorkFileClicked(TmfContent::OriginalMessages); });
    click(btnLoadWorkFile, on(&MainWindow::OnLoadWorkFileClicked));
    click(btnWriteFile, on(&MainWindow::OnWriteFileClicked));
    click(btnHelp, on(&MainWindow::OnHelpClicked));
    click(btnAbout, on(&MainWindow::OnAboutClicked));
    click(btnExit, on(&MainWindow::OnExitClicked));

    // CheckAutoBackup has no handler: the backup triggers read it when they run.
    CheckConfirmCloseOrReplace.Click = on(&MainWindow::OnConfirmCloseOrReplaceClicked);
    CheckAlwaysOnTop.Click = on(&MainWindow::OnAlwaysOnTopClicked);
    CheckHighlight.Click = on(&MainWindow::OnHighlightClicked);
    CheckRememberLastDirectory.Click = on(&MainWindow::OnRememberLastDirectoryClicked);
    CheckHideControlCharacters.Click = on(&MainWindow::RefreshMessageBoxes);

    auto option = [this](OptionButton& button, void (MainWindow::*handler)()) {
        button.Click = [this, &button, handler] {
            if (Ended) return;
            Focus.SetFocus(button);
            (this->*handler)();
        };
    };
    option(OptionSettingsGeneral, &MainWindow::OnSettingsGeneralClicked);
    option(OptionSettingsOriginal, &MainWindow::OnSettingsOriginalClicked);
    option(OptionSettingsNew, &MainWindow::OnSettingsNewClicked);
}

void MainWindow::ShowMessage(const std::string& text, const std::string& title, MsgIcon icon) {
    platform.ShowMessageBox({text, title, icon});
}

void MainWindow::EndProgram() {
    if (Ended) return;
    Window.Visible = false;
    Ended = true;
    platform.Quit();
}

} // namespace quillon
