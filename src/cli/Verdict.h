// The invalid, blank and warned messages of a document, counted and listed as the editor's
// counters show them.
#pragma once

#include "cli/OpenedFile.h"

#include <optional>
#include <ostream>
#include <string>

namespace quillon::cli {

struct Verdict {
    int invalidCount = 0;
    std::string invalidList; // the label of each invalid row, joined by ", "
    int blankCount = 0;      // rows whose new message shows no text where the original does
    std::string blankList;   // the label of each blank row
    int warningCount = 0;    // valid rows that the game reads differently (another code)
    std::string warningList; // the label of each of those rows
    // Rows the game cannot show as they are, and the label of each
    int layoutWarningCount = 0;
    std::string layoutWarningList;
};

// Validates every message as the editor does the one being edited, then counts and lists;
// layouts are measured in the font of the language letter.
Verdict ValidateAllRows(Document& document, char language);

// "Invalid messages: N", "Blank messages: N", "Warnings: N" and "Layout warnings: N", each
// followed by its list when N is not 0.
void PrintVerdict(const Verdict& verdict, std::ostream& out);

// Opens a cutscene file with its work file, validates and prints the counters; nothing when
// either file could not be used (its one-line error is then on err).
std::optional<Verdict> CheckWorkFile(const std::filesystem::path& gamePath,
                                     const std::filesystem::path& tmfPath, char language,
                                     OpenedFile& file, std::ostream& out, std::ostream& err);

} // namespace quillon::cli
