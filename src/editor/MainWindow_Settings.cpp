// Loading the stored settings into the window and the boxes' looks, and saving them back.
#include "editor/MainWindow.h"

#include "settings/Settings.h"

namespace quillon {

namespace {

using namespace quillon::settings;

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

void MainWindow::LoadSettings() {
    if (Ended) return;
    SettingsStore& store = platform.Settings();
    // A changed state runs the box's click handler, as a click would.
    for (const auto& [name, box] : OptionChecks(*this)) {
        if (auto text = store.Read(name))
            if (auto state = ParseInt16(*text); state && (*state == 0 || *state == 1))
                box->SetValue(*state);
        if (Ended) return;
    }

    OriginalLook.Read(store);
    NewLook.Read(store);
    OriginalLook.Apply();
    NewLook.Apply();
}

void MainWindow::SaveSettings() {
    if (Ended) return;
    SettingsStore& store = platform.Settings();
    if (auto last = store.Read(kLastDirectory)) State.LastDirectory = *last;
    const std::optional<std::string> workFolder = store.Read(kWorkFolder);
    // The whole key is rebuilt, so a value no longer written does not linger.
    store.DeleteKey();
    store.Write(kLastDirectory, State.LastDirectory);
    if (workFolder) store.Write(kWorkFolder, *workFolder);
    for (const auto& [name, box] : OptionChecks(*this))
        store.Write(name, std::to_string(box->Value()));
    OriginalLook.Write(store);
    NewLook.Write(store);
}

} // namespace quillon
