// Temporary messages files (.TMF): "Original CUT file: NAME", an empty line, then one line
// per message, "NNN text", all lines ending in CR LF.
#pragma once

#include "document/Document.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::string_view kTmfHeaderPrefix = "Original CUT file: ";

enum class TmfContent {
    NewMessages,     // the new messages that are not empty (an entry of one byte is none)
    OriginalMessages // the original messages that are not empty (the same)
};

struct TmfBuildResult {
    std::string error; // empty when ok
    std::string bytes;
};
TmfBuildResult BuildTmf(std::string_view gameFileName, const Document& document,
                        TmfContent content);

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

// Puts each line's text into the new message of the message with the line's number. Lines
// whose number no message has (0 among them) change nothing.
void ApplyTmfLines(Document& document, const std::vector<TmfLine>& lines);

} // namespace quillon
