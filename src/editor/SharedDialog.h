// The one common dialog that every file and colour dialog of the main window shares: its
// file name, folder, title and filter stay between uses, and a cancel keeps the old name.
#pragma once

#include "editor/Controls.h"
#include "editor/Platform.h"

#include <cstdint>
#include <string>

namespace quillon {

class SharedDialog {
public:
    explicit SharedDialog(Platform& platform) : platform_(platform) {}

    std::string FileName;
    std::string InitDir;
    std::string DialogTitle;
    std::string Filter;
    Colour Color = 0;

    // True when the user chose a file (FileName then holds it); false on cancel, which
    // leaves FileName as it was.
    bool ShowOpen() { return Show(false); }
    bool ShowSave() { return Show(true); }
    // True when the user chose a colour (Color then holds it).
    bool ShowColor() {
        auto colour = platform_.ChooseColour();
        if (!colour) return false;
        Color = *colour;
        return true;
    }

private:
    bool Show(bool save) {
        auto chosen = platform_.ShowFileDialog({DialogTitle, InitDir, FileName, Filter, save});
        if (!chosen) return false;
        FileName = *chosen;
        return true;
    }
    Platform& platform_;
};

} // namespace quillon
