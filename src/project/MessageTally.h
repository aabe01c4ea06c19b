// Every message of a document checked with its format's rules, and the counts a translator
// follows: messages with text, translated, unchanged, blank, invalid.
#pragma once

#include "document/Document.h"

#include <string>

namespace quillon {

struct MessageTally {
    int messages = 0; // numbered messages: without any the editor does not open the file
    // Numbered messages, not locked, whose original shows text (one of control codes alone
    // needs no translation).
    int withText = 0;
    int translated = 0;      // of those, the ones whose new message is another valid text
    int unchanged = 0;       // of those, the ones whose new message is still the original
    int blank = 0;           // rows whose new message shows no text where the original does
    int invalid = 0;         // rows whose new message breaks a rule
    int warned = 0;          // rows whose valid new message the game reads differently
    std::string invalidList; // the label of each invalid row, joined by ", "
    std::string blankList;   // the label of each blank row
    std::string warningList; // the label of each warned row
    // Rows the game cannot show as they are (too many lines, too wide), laid out from the new
    // message or, while that is empty, from the original; and the label of each
    int layoutWarned = 0;
    std::string layoutWarningList;

    // Adds another file's counts (the lists are left as they are).
    void Add(const MessageTally& other);
};

// Validates every message as the editor does the one being edited, then counts them, and
// lists them unless listRows is false. Layouts are measured in the font of the language letter.
MessageTally ValidateEveryRow(Document& document, bool listRows = true, char language = 'E');

} // namespace quillon
