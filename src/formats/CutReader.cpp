// Reads a .CUT file: checks the bank header, finds the text block and lists its entries.
#include "formats/BankHeader.h"
#include "formats/CutBank.h"
#include "formats/CutFormat.h"

namespace quillon {

namespace {

using namespace cutbank;

// This reader keeps file positions (20 + an offset) in signed 16-bit numbers: a limit of the
// editor's own, not of the game, whose offsets are two unsigned bytes.
constexpr int kMaxPosition = 32767;

unsigned Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

CutReadResult Fail(ReadFailure failure, const std::string& name, const std::string& what) {
    CutReadResult result;
    result.failure = failure;
    result.message = name + ": " + what;
    return result;
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
    if (const BankHeaderProblem header = CheckBankHeader(bytes, "cutscene");
        header.failure != ReadFailure::None)
        return Fail(header.failure, displayName, header.what);
    if (bytes.size() < kDataHeaderEnd)
        return Fail(ReadFailure::Broken, displayName,
                    "the file ends inside the cutscene data header.");

    const unsigned s = Byte(bytes, kTextStartOffset) * 256 + Byte(bytes, kTextStartOffset + 1);
    const unsigned e = Byte(bytes, kTextEndOffset) * 256 + Byte(bytes, kTextEndOffset + 1);
    if (s < kMinTextStart)
        return Fail(ReadFailure::Broken, displayName,
                    "the text start offset " + std::to_string(s) + " is below 12.");
    if (s + kBankHeaderSize > kMaxPosition)
        return Fail(ReadFailure::Broken, displayName,
                    "the text start offset " + std::to_string(s) + " is beyond 32747.");
    if (e + kBankHeaderSize > kMaxPosition)
        return Fail(ReadFailure::Broken, displayName,
                    "the text end offset " + std::to_string(e) + " is beyond 32747.");

    CutReadResult result;
    CutLayout& layout = result.layout;
    layout.BankFlags = static_cast<int>(Byte(bytes, kLengthOffset) / 16);
    layout.TextStartPosition = s + kBankHeaderSize;
    layout.TextEndPosition = e + kBankHeaderSize;
    layout.FileSize = static_cast<std::int64_t>(bytes.size());
    if (bytes.size() < static_cast<std::size_t>(layout.TextStartPosition))
        return Fail(ReadFailure::Broken, displayName,
                    "the file ends before its text block starts (at byte " +
                        std::to_string(layout.TextStartPosition) + ").");

    std::size_t pos = static_cast<std::size_t>(layout.TextStartPosition);
    const std::size_t end = static_cast<std::size_t>(layout.TextEndPosition);
    // An entry that starts before the end offset is read whole, even when it runs past it.
    while (pos < end) {
        const std::size_t number = result.entries.size() + 1;
        if (pos >= bytes.size() || pos + 1 + Byte(bytes, pos) > bytes.size())
            return Fail(ReadFailure::Broken, displayName,
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

void FillDocument(Document& document, const std::vector<CutEntry>& entries) {
    int numbered = 0;
    for (const CutEntry& entry : entries) {
        Message message;
        message.original = entry.text;
        if (entry.text.size() >= 2) message.number = ++numbered;
        if (entry.text.size() == 1) message.edited = entry.text;
        document.Append(std::move(message));
    }
}

ReadResult CutFormat::Read(std::string_view bytes, const std::string& displayName) const {
    CutReadResult parsed = ParseCutBytes(bytes, displayName);
    ReadResult result;
    result.failure = parsed.failure;
    result.message = std::move(parsed.message);
    if (!parsed.ok()) return result;
    result.document.format = this;
    FillDocument(result.document, parsed.entries);
    result.document.layout = std::make_shared<CutLayout>(parsed.layout);
    return result;
}

const CutFormat& TheCutFormat() {
    static const CutFormat format;
    return format;
}

ShownAs CutFormat::ShownAsOf(const Document& document, int row) const {
    if (!document.HasRow(row)) return ShownAs::Nothing;
    const Message& message = document.At(row);
    // The engine says nothing for a sentence of just "*", and one that starts with "#" names
    // the credits file it runs.
    const std::string& original = message.original;
    if (message.number == 0 || original == "*" || original.starts_with('#'))
        return ShownAs::Nothing;
    return ShownAs::Speech;
}

} // namespace quillon
