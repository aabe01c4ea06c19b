// The main window's settings: the stored options loaded into the window and saved back, the
// look of each message box (font and background choosers), the option check boxes and the
// three settings pages.
#pragma once

#include "editor/BoxLook.h"
#include "editor/Controls.h"

namespace quillon {

class MainWindow;

class WindowSettings {
public:
    explicit WindowSettings(MainWindow& window);
    WindowSettings(const WindowSettings&) = delete;
    WindowSettings& operator=(const WindowSettings&) = delete;

    // The look of each message box, stored in the settings under its own names.
    BoxLook OriginalLook;
    BoxLook NewLook;

    // Reads the stored options and looks into the window; a changed option runs its click
    // handler, as a click would. The window's size is read at the first load of a run only:
    // the size the user gives it later stays from file to file.
    void Load();
    // Writes every option and look and the window's size back, rebuilding the whole key.
    void Save();

    // The user resized, maximised or restored the main window: its size (measured as the
    // window's Width and Height) and whether it is maximised now. A maximised window keeps the
    // size it is restored to.
    void OnWindowResized(double width, double height, bool maximized);

    void OnOriginalFontPageClicked();
    void OnNewFontPageClicked();
    void OnOriginalBackgroundClicked();
    void OnNewBackgroundClicked();
    void OnAlwaysOnTopClicked();
    void OnConfirmCloseOrReplaceClicked();
    void OnHighlightClicked();
    void OnRememberLastDirectoryClicked();
    void OnSettingsGeneralClicked();
    void OnSettingsOriginalClicked();
    void OnSettingsNewClicked();

private:
    // Connects the font pages, the swatches, the option boxes and the page buttons.
    void WireHandlers();
    void ShowSettingsPage(const OptionButton& clicked);
    void LoadWindowSize();
    MainWindow& window_;
    bool windowSizeRead_ = false;
};

} // namespace quillon
