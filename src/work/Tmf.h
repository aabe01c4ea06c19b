// Temporary messages files (.TMF): "Original CUT file: NAME", an empty line, then one line
// per message, "NNN text", all lines ending in CR LF.
#pragma once

#include "document/Document.h"
#include "text/GameFont.h"

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

struct TmfLettersResult {
    std::string error; // empty when ok: names the messages whose letters cannot be had
    std::string note;  // says how a file in UTF-8 was read; empty for a file of the game's bytes
    std::string bytes; // the work file with its messages in the game's bytes
};
// A work file as the game's bytes. A file in UTF-8 (utf8 says so, or it is well-formed UTF-8
// with a character above ASCII) has each character turned into the byte that draws it in the
// font, a typographic sign the font lacks into its plain sign; a message with a character the
// font lacks, or bytes that are not UTF-8 when utf8 says it is, fails the whole file, naming
// them. Anything else is the game's bytes already and is kept as it is.
TmfLettersResult TmfInGameLetters(std::string_view bytes, GameFont font, bool utf8,
                                  std::string_view displayName);
// The work file with its messages as UTF-8 through the font; the header and line ends kept.
std::string TmfAsUtf8(std::string_view bytes, GameFont font);

// Puts each line's text into the new message of the message with the line's number. Lines
// whose number no message has (0 among them) change nothing.
void ApplyTmfLines(Document& document, const std::vector<TmfLine>& lines);

} // namespace quillon
