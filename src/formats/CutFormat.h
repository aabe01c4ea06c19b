// Cutscene files (.CUT): an AMOS memory bank "AmBk" named "Datas   " whose data hold one text
// block of length-prefixed messages. Everything here is bytes; nothing is shown.
#pragma once

#include "document/TextFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Where the reader found things, kept so the writer can rebuild the file.
struct CutLayout : FileLayout {
    int BankFlags = 0;                  // top four bits of byte 8, 0 to 15
    std::int64_t TextStartPosition = 0; // 20 + S: file position of the first entry
    std::int64_t TextEndPosition = 0;   // 20 + E
    std::int64_t ReadPosition = 0;      // file position after the last entry read
    std::int64_t FileSize = 0;          // size of the file that was read
    long long TextStart() const override { return TextStartPosition; }
};

// One entry of the text block, after trimming.
struct CutEntry {
    std::string text;     // the message bytes, trailing space pairs trimmed
    int storedLength = 0; // L as stored in the file
};

struct CutReadResult {
    ReadFailure failure = ReadFailure::None;
    std::string message; // one line naming the file and what is wrong; empty when ok
    CutLayout layout;
    std::vector<CutEntry> entries; // in file order, zero-length and one-byte ones included
    bool ok() const { return failure == ReadFailure::None; }
};

// Parses a whole file held in memory; displayName is used in error messages.
CutReadResult ParseCutBytes(std::string_view bytes, const std::string& displayName);

// Removes pairs of spaces that end the text proper, in front of the trailing control codes;
// always an even number of bytes, so the length keeps its parity.
std::string TrimMessageEnd(std::string_view text);
// Inserts one space between the text proper and its trailing control codes.
std::string PadMessageEnd(std::string_view text);

// Entries of two bytes or more are the numbered messages; a one-byte entry cannot be edited
// into anything else, so its new message starts as the original.
void FillDocument(Document& document, const std::vector<CutEntry>& entries);

class CutFormat : public TextFormat {
public:
    std::string_view NamePattern() const override { return "*.CUT"; }
    std::string_view KindName() const override { return "Cutscene file"; }
    std::string_view DialogFilter() const override {
        return "Flight of the Amazon Queen Cutscene files (*.CUT)|*.cut";
    }
    ReadResult Read(std::string_view bytes, const std::string& displayName) const override;
    // The rules of a spoken message: every control code one the engine knows.
    std::string ProblemOf(const Message& message) const override;
    // A control code that is not the original's at the same place.
    std::string WarningOf(const Message& message) const override;
    // Text outside the control codes, spaces aside.
    bool ShowsText(std::string_view text) const override;
    // Every message is spoken, but the no-op "*" and the "#CREDIT1.CRD" that starts the
    // credits.
    ShownAs ShownAsOf(const Document& document, int row) const override;
    // Pads every new message whose length has not its original's parity: the engine reads
    // the messages two bytes at a time. An empty one whose original is codes alone becomes the
    // original.
    void FitForWriting(Document& document) const override;
    // A message over 255 bytes once padded, the text block ending at offset 65536 or more, a
    // bank length beyond 28 bits.
    std::string CheckWritable(const Document& document) const override;
    // Copies every byte outside the text block from the source and recomputes the bank length
    // and the text end offset; refuses a source that no longer matches the document's layout.
    WriteResult Write(const Document& document, std::string_view source) const override;
};

const CutFormat& TheCutFormat();

} // namespace quillon
