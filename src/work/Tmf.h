// Temporary messages files (.TMF): "Original CUT file: NAME", an empty line, then one line
// per message, "NNN text", all lines ending in CR LF.
#pragma once

#include "formats/MessageTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::string_view kTmfHeaderPrefix = "Original CUT file: ";

// The three-digit number field of a message line for a "Real A/A" text ("7" gives "007").
std::string TmfRowNumber(std::string_view realAA);

struct TmfBuildResult {
    std::string error; // empty when ok
    std::string bytes;
};
// Index 0 and 3: the new messages of rows whose "New length" is above 1; index 1: the
// original messages of rows whose "Original length" is above 1; any other index writes the
// header and the empty line only.
TmfBuildResult BuildTmf(std::string_view cutFileName, const MessageTable& table, int index);

struct TmfLine {
    int number = 0;   // the line's message number; 0 when it does not read as one
    std::string text; // the message text, from the 5th byte on
};
struct TmfParseResult {
    std::string error;      // empty when ok (a file that is not a .TMF at all)
    std::string headerName; // the header from its 20th byte on
    std::vector<TmfLine> lines;
};
TmfParseResult ParseTmf(std::string_view bytes);
// The same, with the file's name at the start of the error message.
TmfParseResult ParseTmf(std::string_view bytes, std::string_view displayName);

// Puts each line's text into the "New message" of every row whose "Real A/A" has the line's
// number, then sets every row's "New length". Lines numbered 0 change nothing.
void ApplyTmfLines(MessageTable& table, const std::vector<TmfLine>& lines);

// The automatic backup's name for a cutscene file: C12.CUT and 3 give "C12_3.tmf".
std::string BackupFileName(std::string_view cutFileName, int counter);

} // namespace quillon
