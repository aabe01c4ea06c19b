// The "*" notation of control codes inside message text: counting, hiding, rebuilding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::string_view kCrLf = "\r\n";

// Number of "*" in the text.
std::int16_t CountControlChars(std::string_view text);

// The control codes of a spoken text in order, as the game reads them: each "*" with the two
// bytes after it, or with the 13 of a position code ("*XY00(237,112)"); the last one may be
// cut short by the end of the text.
std::vector<std::string_view> ControlCodesOf(std::string_view text);

// What the game shows of a spoken text: the text without its control codes.
std::string TextOutsideCodes(std::string_view text);

// True when the game shows something of a spoken text: a byte other than a space outside its
// control codes.
bool HasTextOutsideCodes(std::string_view text);

// The hidden form: leading and trailing codes dropped, each inner run of codes as one CR LF.
std::string HideControlCodes(std::string_view text);

// What a message box shows of a message with the codes hidden: the hidden form, or "*" when
// the original is made of codes only.
std::string HiddenBoxText(std::string_view message, std::string_view original);

// Whether a message shown with its codes hidden comes back exactly as it is when its box is
// read back: "*00*4" (a code cut short) or "*0Tengo" (a code that swallowed a letter) do not.
// An empty message always does.
bool HidesExactly(std::string_view message, std::string_view original);

// Puts the original's codes back into a text edited in hidden form. When the original box
// shows the placeholder "*" (an original made of codes only) the original comes back as is.
std::string RebuildControlCodes(std::string_view edited, std::string_view original,
                                bool originalShowsPlaceholder);

} // namespace quillon
