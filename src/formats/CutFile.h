// Reading and writing .CUT files: an AMOS memory bank "AmBk" named "Datas   " whose data hold
// one text block of length-prefixed messages. Everything here is bytes; nothing is shown.
#pragma once

#include "formats/MessageTable.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Where the reader found things, kept so the writer can rebuild the file.
struct CutLayout {
    int BankFlags = 0;                  // top four bits of byte 8, 0 to 15
    std::int64_t TextStartPosition = 0; // 20 + S: file position of the first entry
    std::int64_t TextEndPosition = 0;   // 20 + E
    std::int64_t ReadPosition = 0;      // file position after the last entry read
    std::int64_t FileSize = 0;          // size of the file that was read
};

// One entry of the text block, after trimming.
struct CutEntry {
    std::string text;     // the message bytes, trailing space pairs trimmed
    int storedLength = 0; // L as stored in the file
};

enum class CutError {
    None,
    Unreadable, // missing file, a folder, no permission
    BadHeader,  // magic or bank name wrong: the editor says "Error in " & path
    Truncated,  // the file ends inside the header, the data before the text, or an entry
    OutOfLimits // S below 12, or S or E beyond what a 16-bit signed position holds
};

struct CutReadResult {
    CutError error = CutError::None;
    std::string message; // one line naming the file and what is wrong; empty when ok
    CutLayout layout;
    std::vector<CutEntry> entries; // in file order, zero-length and one-byte ones included
    bool ok() const { return error == CutError::None; }
};

// Parses a whole file held in memory; displayName is used in error messages.
CutReadResult ParseCutBytes(std::string_view bytes, const std::string& displayName);
// Reads and parses a file from disk.
CutReadResult ReadCutFile(const std::filesystem::path& path);

// Removes pairs of spaces that end the text proper, in front of the trailing control codes;
// always an even number of bytes, so the length keeps its parity.
std::string TrimMessageEnd(std::string_view text);

// Appends one row per entry (block 1) exactly as the reader numbers them.
void FillMessageTable(MessageTable& table, NumberingState& state,
                      const std::vector<CutEntry>& entries);

// Inserts one space between the text proper and its trailing control codes.
std::string PadMessageEnd(std::string_view text);
// The length a new message of newLength bytes gets once padded to its original's parity.
int PaddedLength(int originalLength, int newLength);
// Pads every row's new message to its original's parity (the table keeps the padding).
void PadForParity(MessageTable& table);

// Empty when the table, once padded, fits the format next to this source; otherwise one
// line saying what does not fit (a message over 255 bytes, the text block ending at offset
// 65536 or more, a bank length beyond 28 bits). Nothing is changed.
std::string CheckCutWritable(const MessageTable& table, const CutLayout& layout);

struct CutBuildResult {
    std::string error; // empty when ok
    std::string bytes; // the complete new file
};
// Builds the new file from the source file's bytes and an already padded table: every byte
// outside the text block is copied, the bank length and text end offset are recomputed.
CutBuildResult BuildCutBytes(std::string_view source, const MessageTable& paddedTable,
                             const CutLayout& layout);

} // namespace quillon
