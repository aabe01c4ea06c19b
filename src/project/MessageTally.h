// Every row of a message table checked with the editor's validity rule, and the counts a
// translator follows: messages with text, translated, blank, invalid.
#pragma once

#include "formats/MessageTable.h"

#include <string>

namespace quillon {

struct MessageTally {
    int withText = 0;        // numbered messages: an original of two bytes or more
    int translated = 0;      // of those, the ones whose new message is neither empty nor invalid
    int blank = 0;           // rows with an original but no new message, as the blank counter
    int invalid = 0;         // rows whose new message breaks a rule
    std::string invalidList; // "Real A/A" of each invalid row, joined by ", "
    std::string blankList;   // "Real A/A" of each numbered row whose new message is empty

    // Adds another file's counts (the lists are left as they are).
    void Add(const MessageTally& other);
};

// Validates every row's new message as if it were the one being edited, storing each row's
// "Bad" ("1" or "0"), then counts the rows, and lists them unless listRows is false (the
// editor builds its lists from the counters).
MessageTally ValidateEveryRow(MessageTable& table, bool listRows = true);

} // namespace quillon
