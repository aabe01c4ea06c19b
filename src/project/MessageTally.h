// Every message of a document checked with its format's rules, and the counts a translator
// follows: messages with text, translated, blank, invalid.
#pragma once

#include "document/Document.h"

#include <string>

namespace quillon {

struct MessageTally {
    int withText = 0;        // numbered messages with an original, not locked
    int translated = 0;      // of those, the ones whose new message is neither empty nor invalid
    int blank = 0;           // rows with an original but no new message, as the blank counter
    int invalid = 0;         // rows whose new message breaks a rule
    std::string invalidList; // the label of each invalid row, joined by ", "
    std::string blankList;   // the label of each blank row

    // Adds another file's counts (the lists are left as they are).
    void Add(const MessageTally& other);
};

// Validates every message as the editor does the one being edited, then counts them, and
// lists them unless listRows is false.
MessageTally ValidateEveryRow(Document& document, bool listRows = true);

} // namespace quillon
