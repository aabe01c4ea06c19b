// Reads a .CUT file: checks the bank header, finds the text block and lists its entries.
#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/CutFile.h"

namespace quillon {

namespace {

constexpr std::string_view kMagic = "AmBk";
constexpr std::string_view kBankName = "Datas   ";
constexpr std::size_t kBankNameOffset = 12;
constexpr std::size_t kBankHeaderSize = 20;
constexpr std::size_t kDataHeaderEnd = 32; // text start and end offsets end here
constexpr int kMinTextStart = 12;          // the data header ahead of the text block
// The game computes 20 + offset in a 16-bit signed integer.
constexpr int kMaxPosition = 32767;

unsigned Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

CutReadResult Fail(CutError error, const std::string& name, const std::string& what) {
    CutReadResult result;
    result.error = error;
    result.message = name + ": " + what;
    return result;
}

// Compares the part of an expected text that the file holds; a short file is not a mismatch.
bool PresentBytesMatch(std::string_view bytes, std::size_t offset, std::string_view expected) {
    for (std::size_t i = 0; i < expected.size() && offset + i < bytes.size(); ++i)
        if (bytes[offset + i] != expected[i]) return false;
    return true;
}

} // namespace

std::string TrimMessageEnd(std::string_view text) {
    std::string_view w = text;
    std::size_t k = 0;
    while (w.size() >= 6 && w[w.size() - 3] == '*') {
        ++k;
        w.remove_suffix(3);
    }
    while (w.size() >= 2 && w[w.size() - 1] == ' ' && w[w.size() - 2] == ' ')
        w.remove_suffix(2);
    std::string result(w);
    result.append(text.substr(text.size() - 3 * k));
    return result;
}

CutReadResult ParseCutBytes(std::string_view bytes, const std::string& displayName) {
    if (!PresentBytesMatch(bytes, 0, kMagic))
        return Fail(CutError::BadHeader, displayName,
                    "the file is not an AMOS memory bank (it does not start with \"AmBk\").");
    if (!PresentBytesMatch(bytes, kBankNameOffset, kBankName))
        return Fail(CutError::BadHeader, displayName,
                    "the memory bank is not a cutscene bank (its name is not \"Datas\").");
    if (bytes.size() < kBankHeaderSize)
        return Fail(CutError::Truncated, displayName,
                    "the file ends inside the memory bank header.");
    if (bytes.size() < kDataHeaderEnd)
        return Fail(CutError::Truncated, displayName,
                    "the file ends inside the cutscene data header.");

    const unsigned s = Byte(bytes, 28) * 256 + Byte(bytes, 29);
    const unsigned e = Byte(bytes, 30) * 256 + Byte(bytes, 31);
    if (s < kMinTextStart)
        return Fail(CutError::OutOfLimits, displayName,
                    "the text start offset " + std::to_string(s) + " is below 12.");
    if (s + kBankHeaderSize > kMaxPosition)
        return Fail(CutError::OutOfLimits, displayName,
                    "the text start offset " + std::to_string(s) + " is beyond 32747.");
    if (e + kBankHeaderSize > kMaxPosition)
        return Fail(CutError::OutOfLimits, displayName,
                    "the text end offset " + std::to_string(e) + " is beyond 32747.");

    CutReadResult result;
    CutLayout& layout = result.layout;
    layout.BankFlags = static_cast<int>(Byte(bytes, 8) / 16);
    layout.TextStartPosition = s + kBankHeaderSize;
    layout.TextEndPosition = e + kBankHeaderSize;
    layout.FileSize = static_cast<std::int64_t>(bytes.size());
    if (bytes.size() < static_cast<std::size_t>(layout.TextStartPosition))
        return Fail(CutError::Truncated, displayName,
                    "the file ends before its text block starts (at byte " +
                        std::to_string(layout.TextStartPosition) + ").");

    std::size_t pos = static_cast<std::size_t>(layout.TextStartPosition);
    const std::size_t end = static_cast<std::size_t>(layout.TextEndPosition);
    // An entry that starts before the end offset is read whole, even when it runs past it.
    while (pos < end) {
        const std::size_t number = result.entries.size() + 1;
        if (pos >= bytes.size() || pos + 1 + Byte(bytes, pos) > bytes.size())
            return Fail(CutError::Truncated, displayName,
                        "the file ends inside message " + std::to_string(number) +
                            " of the text block.");
        const unsigned length = Byte(bytes, pos);
        CutEntry entry;
        entry.storedLength = static_cast<int>(length);
        entry.text.assign(bytes.substr(pos + 1, length));
        // Two passes reach space pairs hidden behind two layers of trailing codes.
        if (entry.text.size() > 5) {
            entry.text = TrimMessageEnd(entry.text);
            if (entry.text.size() > 5) entry.text = TrimMessageEnd(entry.text);
        }
        result.entries.push_back(std::move(entry));
        pos += 1 + length;
    }
    layout.ReadPosition = static_cast<std::int64_t>(pos);
    return result;
}

CutReadResult ReadCutFile(const std::filesystem::path& path) {
    const std::string name = Utf8FromPath(path);
    FileReadResult file = ReadWholeFile(path);
    if (!file.error.empty()) {
        CutReadResult result;
        result.error = CutError::Unreadable;
        result.message = file.error;
        return result;
    }
    return ParseCutBytes(file.bytes, name);
}

void FillMessageTable(MessageTable& table, NumberingState& state,
                      const std::vector<CutEntry>& entries) {
    // A .CUT file holds one text block, so every entry belongs to block 1.
    state.CurrentBlock = 1;
    table.Reserve(table.Count() + static_cast<int>(entries.size()));
    for (const CutEntry& entry : entries)
        table.AddMessageRow(state, entry.text, 0, 0, 0);
}

} // namespace quillon
