// The game's messages as entries of a gettext catalogue: each message with text is one entry
// named by its file and number, its original in UTF-8 through the game's font, and what a
// translator should know of it.
#pragma once

#include "po/GameTexts.h"
#include "text/GameFont.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct CatalogueEntry {
    std::string context;     // "C1.CUT:12": the file and the message number
    std::string id;          // the original message in UTF-8
    std::string translation; // the new message in UTF-8; empty when there is none
    std::string comments;    // notes for the translator, one per line
};

// "C1.CUT:12".
std::string ContextOf(std::string_view fileName, int number);

struct ContextName {
    std::string fileName;
    int number = 0;
};
// The file and number a context names; nothing when it is not of the form NAME:NUMBER.
std::optional<ContextName> ParseContext(std::string_view context);

// Whether a row goes into the catalogue: a numbered message, not locked, whose original shows
// text (an original of control codes alone, or empty, needs no translation).
bool IsCatalogued(const Document& document, int row);

// The control codes of a spoken original spelled out: "*00 = speech animation 0, *WT = pause".
// Empty when it has none.
std::string CodeNotes(std::string_view original);

// What the translator should know of a row: what kind of line it is, how long it may be and
// what its control codes do, one note per line.
std::string NotesOf(const Document& document, int row);

// The entries of a file in message order. With translations, each entry whose new message is
// neither empty nor still the original carries it as its translation.
std::vector<CatalogueEntry> EntriesOf(const GameText& file, GameFont font, bool translations);

} // namespace quillon
