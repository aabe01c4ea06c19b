// The invalid and blank messages of a table, counted and listed as the editor's counters show them.
#pragma once

#include "cli/OpenedCut.h"
#include "formats/MessageTable.h"

#include <optional>
#include <ostream>
#include <string>

namespace quillon::cli {

struct Verdict {
    int invalidCount = 0;
    std::string invalidList; // "Real A/A" of each invalid row, joined by ", "
    int blankCount = 0;      // rows with an original but no new message
    std::string blankList;   // "Real A/A" of each numbered row whose new message is empty
};

// Validates every row's new message as if it were the one being edited, storing each row's
// "Bad", then counts and lists.
Verdict ValidateAllRows(MessageTable& table);

// "Invalid messages: N" and "Blank messages: N", each followed by its list when N is not 0.
void PrintVerdict(const Verdict& verdict, std::ostream& out);

// Opens a cutscene file with its work file, validates and prints the counters; nothing when
// either file could not be used (its one-line error is then on err).
std::optional<Verdict> CheckWorkFile(const std::filesystem::path& cutPath,
                                     const std::filesystem::path& tmfPath, OpenedCut& cut,
                                     std::ostream& out, std::ostream& err);

} // namespace quillon::cli
