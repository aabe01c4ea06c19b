// A row of a document as the player sees it: its message laid out as its format says the game
// shows it, and what of it the game cannot show.
#pragma once

#include "document/TextFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The bytes a row is laid out from: its new message, or while that is empty (not yet
// translated) its original, so that the translator sees what the game shows now.
std::string_view LaidOutBytes(const Message& message);

// The row's message laid out with the font of the language letter.
PlayerView PlayerViewOf(const TextFormat& format, const Document& document, int row, char language);

// What of the row's message the game cannot show as it is; empty when it shows it all.
std::vector<std::string> LayoutWarningsOf(const TextFormat& format, const Document& document,
                                          int row, char language);

// The labels of the rows with layout warnings, joined by ", " as the other lists are, and
// their number.
struct LayoutWarnedRows {
    int count = 0;
    std::string list;
};
LayoutWarnedRows LayoutWarnedRowsOf(const Document& document, char language);

} // namespace quillon
