// The look of one message box: its font and colours (the style record), the font page and
// swatch that show them, the box they style, and the settings they are stored under.
#pragma once

#include "editor/Controls.h"
#include "editor/EditorState.h"
#include "editor/Platform.h"
#include "editor/SharedDialog.h"
#include "settings/SettingsStore.h"

#include <array>
#include <string>

namespace quillon {

// The name the font chooser gives a script (a font's character set): 161 is "Greek".
std::string ScriptName(int Number);

class BoxLook {
public:
    // page: 0 face, 1 size, 2 style word, 3 script, 4 the click area over them all.
    BoxLook(const char* settingsPrefix, FontPage& page, BoxStyle& style, TextBox& box,
            Label& swatch);

    // The designed look, before a file's settings are read.
    void ResetToDesign();
    // Every stored value that converts goes into the style record; the page shows it.
    void Read(SettingsStore& store);
    // The style record onto the box, the page and the swatch.
    void Apply();
    void Write(SettingsStore& store) const;
    // The font chooser, started from the box's look; a choice restyles the box at once.
    void ChooseFont(Platform& platform);
    // The swatch carries the colour until the settings are saved; the record is not touched.
    void ChooseBackground(SharedDialog& dialog);

private:
    const char* prefix_;
    FontPage& page_;
    BoxStyle& style_;
    TextBox& box_;
    Label& swatch_;
};

} // namespace quillon
