// The names of the stored settings values and how their texts convert back to values.
#pragma once

#include "settings/SettingsStore.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::settings {

// Every value lives directly under the program's one settings key (on Windows the registry
// key HKEY_CURRENT_USER\Software\Velunor\Quillon, which the Qt store opens); these are the
// names the editor reads and writes, in the order the settings are saved.
inline constexpr const char* kLastDirectory = "Last directory";
inline constexpr const char* kHideControlCharacters = "Hide control characters";
inline constexpr const char* kHighlight = "Highlight text automatically";
inline constexpr const char* kAutoBackup = "Automatic TMF backup";
inline constexpr const char* kRememberLastDirectory = "Remember last directory";
inline constexpr const char* kConfirm = "Confirm";
inline constexpr const char* kAlwaysOnTop = "Always on top";

// The nine values of one message box share a prefix: "Original message" or "New message".
inline constexpr const char* kOriginalPrefix = "Original message";
inline constexpr const char* kNewPrefix = "New message";
inline constexpr const char* kFont = " Font";
inline constexpr const char* kFontSize = " Font size";
inline constexpr const char* kFontWeight = " Font weight";
inline constexpr const char* kItalic = " Italic";
inline constexpr const char* kUnderline = " Underline";
inline constexpr const char* kStrikeout = " Strikeout";
inline constexpr const char* kFontScript = " Font script";
inline constexpr const char* kFontColor = " Font color";
inline constexpr const char* kBackgroundColor = " Background color";

// The full name of one of a box's values: BoxValue(kNewPrefix, kFontSize).
inline std::string BoxValue(const char* prefix, const char* value) {
    return std::string(prefix) + value;
}

// The main window's size as the user left it, in twips with the title bar and the border, as
// its designed size is measured; and whether it was maximised.
inline constexpr const char* kWindowWidth = "Window width";
inline constexpr const char* kWindowHeight = "Window height";
inline constexpr const char* kWindowMaximized = "Window maximized";

// The folder of the translator's own .TMF work files, chosen in the project window. It is not
// among the names below, but saving the settings keeps it when it rebuilds the key.
inline constexpr const char* kWorkFolder = "Work folder";

// All 28 names, in the order the settings are saved.
std::array<std::string, 28> AllValueNames();

// A stored number: blanks around it allowed, an optional sign, digits and an optional
// fraction. Anything else (letters, an empty text) does not convert.
std::optional<double> ParseNumber(std::string_view text);
// ParseNumber rounded half to even into the 16-bit range; nothing when out of range.
std::optional<std::int16_t> ParseInt16(std::string_view text);
// A stored Boolean: the words True and False in any letter case, or a number (0 is false,
// any other number true).
std::optional<bool> ParseBoolean(std::string_view text);
// How a Boolean is written.
inline const char* BooleanText(bool value) {
    return value ? "True" : "False";
}
// A whole number as decimal text (colours, sizes, check box states); fractions are rounded.
std::string NumberText(double value);

} // namespace quillon::settings
