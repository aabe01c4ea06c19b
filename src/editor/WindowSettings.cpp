// The stored settings loaded into the window and the boxes' looks and saved back, the font
// and background choosers, the option check boxes and the settings pages.
#include "editor/WindowSettings.h"

#include "editor/MainWindow.h"

#include "settings/Settings.h"

#include <algorithm>

namespace quillon {

namespace {

using namespace quillon::settings;

// Larger than any screen (16384 pixels): a stored size beyond it is not the user's.
constexpr double kLargestWindow = 16384 * 15.0;

// The six option check boxes with their value names, in the order they are read and written.
std::array<std::pair<const char*, CheckBox*>, 6> OptionChecks(MainWindow& form) {
    return {{
        {kHideControlCharacters, &form.CheckHideControlCharacters},
        {kHighlight, &form.CheckHighlight},
        {kAutoBackup, &form.CheckAutoBackup},
        {kRememberLastDirectory, &form.CheckRememberLastDirectory},
        {kConfirm, &form.CheckConfirmCloseOrReplace},
        {kAlwaysOnTop, &form.CheckAlwaysOnTop},
    }};
}

} // namespace

WindowSettings::WindowSettings(MainWindow& window)
    : OriginalLook(kOriginalPrefix, window.OriginalFontPage, window.State.OriginalStyle,
                   window.OriginalMessageBox, window.OriginalBackgroundSwatch),
      NewLook(kNewPrefix, window.NewFontPage, window.State.NewStyle, window.NewMessageBox,
              window.NewBackgroundSwatch),
      window_(window) {
    WireHandlers();
}

void WindowSettings::WireHandlers() {
    auto on = [this](void (WindowSettings::*handler)()) {
        return [this, handler] {
            if (!window_.Ended) (this->*handler)();
        };
    };
    for (Label* label : window_.OriginalFontPage.All())
        label->Click = on(&WindowSettings::OnOriginalFontPageClicked);
    for (Label* label : window_.NewFontPage.All())
        label->Click = on(&WindowSettings::OnNewFontPageClicked);
    window_.OriginalBackgroundSwatch.Click = on(&WindowSettings::OnOriginalBackgroundClicked);
    window_.NewBackgroundSwatch.Click = on(&WindowSettings::OnNewBackgroundClicked);

    // CheckAutoBackup has no handler: the backup triggers read it when they run.
    window_.CheckConfirmCloseOrReplace.Click = on(&WindowSettings::OnConfirmCloseOrReplaceClicked);
    window_.CheckAlwaysOnTop.Click = on(&WindowSettings::OnAlwaysOnTopClicked);
    window_.CheckHighlight.Click = on(&WindowSettings::OnHighlightClicked);
    window_.CheckRememberLastDirectory.Click = on(&WindowSettings::OnRememberLastDirectoryClicked);

    auto option = [this](OptionButton& button, void (WindowSettings::*handler)()) {
        button.Click = [this, &button, handler] {
            if (window_.Ended) return;
            window_.Focus.SetFocus(button);
            (this->*handler)();
        };
    };
    option(window_.OptionSettingsGeneral, &WindowSettings::OnSettingsGeneralClicked);
    option(window_.OptionSettingsOriginal, &WindowSettings::OnSettingsOriginalClicked);
    option(window_.OptionSettingsNew, &WindowSettings::OnSettingsNewClicked);
}

void WindowSettings::Load() {
    if (window_.Ended) return;
    SettingsStore& store = window_.platform.Settings();
    // A changed state runs the box's click handler, as a click would.
    for (const auto& [name, box] : OptionChecks(window_)) {
        if (auto text = store.Read(name))
            if (auto state = ParseInt16(*text); state && (*state == 0 || *state == 1))
                box->SetValue(*state);
        if (window_.Ended) return;
    }

    OriginalLook.Read(store);
    NewLook.Read(store);
    OriginalLook.Apply();
    NewLook.Apply();
    if (!windowSizeRead_) LoadWindowSize();
}

void WindowSettings::LoadWindowSize() {
    windowSizeRead_ = true;
    SettingsStore& store = window_.platform.Settings();
    WindowPart& window = window_.Window;
    // A size below the designed one, or beyond any screen, leaves the designed size.
    auto size = [&store](const char* name, double designed) {
        const auto text = store.Read(name);
        const auto value = text ? ParseNumber(*text) : std::nullopt;
        return value && *value >= designed && *value <= kLargestWindow ? *value : 0.0;
    };
    window.UserWidth = size(kWindowWidth, window.Width);
    window.UserHeight = size(kWindowHeight, window.Height);
    if (auto text = store.Read(kWindowMaximized))
        if (auto maximized = ParseBoolean(*text)) window.Maximized = *maximized;
}

void WindowSettings::OnWindowResized(double width, double height, bool maximized) {
    if (window_.Ended) return;
    WindowPart& window = window_.Window;
    window.Maximized = maximized;
    if (maximized) return;
    window.UserWidth = std::clamp(width, window.Width, kLargestWindow);
    window.UserHeight = std::clamp(height, window.Height, kLargestWindow);
}

void WindowSettings::Save() {
    if (window_.Ended) return;
    SettingsStore& store = window_.platform.Settings();
    if (auto last = store.Read(kLastDirectory)) window_.State.LastDirectory = *last;
    const std::optional<std::string> workFolder = store.Read(kWorkFolder);
    // The whole key is rebuilt, so a value no longer written does not linger.
    store.DeleteKey();
    store.Write(kLastDirectory, window_.State.LastDirectory);
    if (workFolder) store.Write(kWorkFolder, *workFolder);
    for (const auto& [name, box] : OptionChecks(window_))
        store.Write(name, std::to_string(box->Value()));
    OriginalLook.Write(store);
    NewLook.Write(store);
    const WindowPart& window = window_.Window;
    store.Write(kWindowWidth, NumberText(window.UserWidth > 0 ? window.UserWidth : window.Width));
    store.Write(kWindowHeight,
                NumberText(window.UserHeight > 0 ? window.UserHeight : window.Height));
    store.Write(kWindowMaximized, BooleanText(window.Maximized));
}

void WindowSettings::OnOriginalFontPageClicked() {
    if (window_.Ended) return;
    OriginalLook.ChooseFont(window_.platform);
}

void WindowSettings::OnNewFontPageClicked() {
    if (window_.Ended) return;
    NewLook.ChooseFont(window_.platform);
}

void WindowSettings::OnOriginalBackgroundClicked() {
    if (window_.Ended) return;
    OriginalLook.ChooseBackground(window_.SharedFileDialog);
}

void WindowSettings::OnNewBackgroundClicked() {
    if (window_.Ended) return;
    NewLook.ChooseBackground(window_.SharedFileDialog);
}

void WindowSettings::OnAlwaysOnTopClicked() {
    if (window_.Ended) return;
    window_.Window.Topmost = window_.CheckAlwaysOnTop.Value() == 1;
    window_.Focus.SetFocus(window_.NewMessageBox);
}

void WindowSettings::OnConfirmCloseOrReplaceClicked() {
    if (window_.Ended) return;
    window_.Focus.SetFocus(window_.NewMessageBox);
}

void WindowSettings::OnHighlightClicked() {
    if (window_.Ended) return;
    window_.Focus.SetFocus(window_.NewMessageBox);
}

void WindowSettings::OnRememberLastDirectoryClicked() {
    if (window_.Ended) return;
    window_.Focus.SetFocus(window_.NewMessageBox);
}

void WindowSettings::OnSettingsGeneralClicked() {
    ShowSettingsPage(window_.OptionSettingsGeneral);
}

void WindowSettings::OnSettingsOriginalClicked() {
    ShowSettingsPage(window_.OptionSettingsOriginal);
}

void WindowSettings::OnSettingsNewClicked() {
    ShowSettingsPage(window_.OptionSettingsNew);
}

// The three pages lie on one another: the selected button's page is shown, the others hidden.
void WindowSettings::ShowSettingsPage(const OptionButton& clicked) {
    if (window_.Ended) return;
    if (clicked.Value) {
        const std::pair<OptionButton*, Frame*> pages[] = {
            {&window_.OptionSettingsGeneral, &window_.FrameSettingsGeneral},
            {&window_.OptionSettingsOriginal, &window_.FrameSettingsOriginal},
            {&window_.OptionSettingsNew, &window_.FrameSettingsNew},
        };
        for (auto [button, page] : pages) {
            button->Value = button == &clicked;
            page->Visible = button == &clicked;
        }
    }
    window_.Focus.SetFocus(window_.NewMessageBox);
}

} // namespace quillon
