// Writes a .CUT file: pads new messages to their original's parity and rebuilds the text block.
#include "formats/CutBank.h"
#include "formats/CutFormat.h"
#include "text/ControlCodes.h"
#include "text/Validity.h"

#include <algorithm>

namespace quillon {

namespace {

using namespace cutbank;

constexpr long long kMaxMessageLength = 255;
constexpr long long kTextOffsetLimit = 65536;     // two bytes
constexpr long long kBankLengthLimit = 1LL << 28; // the top four bits hold the flags

bool ParityDiffers(std::size_t originalLength, std::size_t newLength) {
    return originalLength > 0 && originalLength % 2 != newLength % 2;
}

// The new message as the file will hold it: one byte longer when its parity differs.
std::string Fitted(const Message& message) {
    const std::string_view text = TheCutFormat().NewBytes(message);
    if (!ParityDiffers(message.original.size(), text.size())) return std::string(text);
    return PadMessageEnd(text).substr(0, text.size() + 1);
}

std::string Describe(const Document& document, int row) {
    if (document.At(row).number != 0)
        return "Message " + document.Label(row) + " (row " + std::to_string(row) + ")";
    return "The message of row " + std::to_string(row);
}

const CutLayout& LayoutOf(const Document& document) {
    static const CutLayout none;
    const auto* layout = dynamic_cast<const CutLayout*>(document.layout.get());
    return layout ? *layout : none;
}

// Checks what the new messages need against the format's fields; lengths are those the file
// will hold.
template <typename LengthOf>
std::string CheckLimits(const Document& document, const CutLayout& layout, LengthOf lengthOf) {
    long long block = 0;
    for (int row = 1; row <= document.Count(); ++row) {
        const long long length = lengthOf(document.At(row));
        if (length > kMaxMessageLength)
            return Describe(document, row) + " would be " + std::to_string(length) +
                   " bytes long once padded; a message holds at most 255 bytes.";
        block += 1 + length;
    }
    const long long start = layout.TextStartPosition - static_cast<long long>(kBankHeaderSize);
    if (start + block >= kTextOffsetLimit)
        return "The new text block would end at offset " + std::to_string(start + block) +
               "; the file can only say where it ends below 65536.";
    const long long size = layout.TextStartPosition + block +
                           std::max<long long>(0, layout.FileSize - layout.ReadPosition);
    if (size - static_cast<long long>(kLengthBase) >= kBankLengthLimit)
        return "The new file would be " + std::to_string(size) +
               " bytes long; a memory bank holds at most 268435455 bytes.";
    return {};
}

} // namespace

std::string PadMessageEnd(std::string_view text) {
    std::string w(text);
    if (text.size() == 2) w += ' ';
    std::size_t k = 0;
    while (w.size() >= 3 && w[w.size() - 3] == '*') {
        ++k;
        w.resize(w.size() - 3);
    }
    w += ' ';
    const std::size_t tail = std::min(3 * k, text.size());
    w.append(text.substr(text.size() - tail));
    return w;
}

std::string CutFormat::ProblemOf(const Message& message) const {
    return SpokenMessageProblem(message.edited, message.original);
}

std::string CutFormat::WarningOf(const Message& message) const {
    return CodeChangeWarning(message.edited, message.original);
}

bool CutFormat::ShowsText(std::string_view text) const {
    return HasTextOutsideCodes(text);
}

void CutFormat::FitForWriting(Document& document) const {
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        message.edited = Fitted(message);
    }
}

std::string CutFormat::CheckWritable(const Document& document) const {
    return CheckLimits(document, LayoutOf(document), [](const Message& message) {
        return static_cast<long long>(Fitted(message).size());
    });
}

WriteResult CutFormat::Write(const Document& document, std::string_view source) const {
    WriteResult result;
    const auto fail = [&result](const std::string& what) {
        result.error = "The source file no longer matches the file that was read: " + what;
        return result;
    };
    const CutLayout& layout = LayoutOf(document);

    if (source.size() < kDataHeaderEnd || source.substr(0, kMagic.size()) != kMagic ||
        source.substr(kBankNameOffset, kBankName.size()) != kBankName)
        return fail("its header is not that of a cutscene bank.");
    const long long start = static_cast<unsigned char>(source[kTextStartOffset]) * 256LL +
                            static_cast<unsigned char>(source[kTextStartOffset + 1]) +
                            static_cast<long long>(kBankHeaderSize);
    if (start != layout.TextStartPosition ||
        static_cast<long long>(source.size()) < layout.TextStartPosition)
        return fail("its text block starts elsewhere.");

    // Walk the old block by its length bytes: exactly the entries the document was read from.
    std::size_t pos = static_cast<std::size_t>(layout.TextStartPosition);
    for (int row = 1; row <= document.Count(); ++row) {
        if (pos >= source.size() ||
            pos + 1 + static_cast<unsigned char>(source[pos]) > source.size())
            return fail("it ends inside message " + std::to_string(row) + " of the text block.");
        pos += 1 + static_cast<unsigned char>(source[pos]);
    }
    if (static_cast<long long>(pos) != layout.ReadPosition ||
        static_cast<long long>(source.size()) != layout.FileSize)
        return fail("its text block or its size has changed.");

    if (std::string problem = CheckLimits(
            document, layout,
            [](const Message& message) { return static_cast<long long>(message.edited.size()); });
        !problem.empty()) {
        result.error = std::move(problem);
        return result;
    }

    long long blockSize = 0;
    for (const Message& message : document.Messages())
        blockSize += 1 + static_cast<long long>(message.edited.size());
    std::string& out = result.bytes;
    out.reserve(static_cast<std::size_t>(layout.TextStartPosition + blockSize) +
                (source.size() - pos));
    out.append(source.substr(0, kLengthOffset));
    out.append(4, '\0'); // the bank length, known once the whole file is built
    out.append(source.substr(kLengthOffset + 4, kTextEndOffset - kLengthOffset - 4));
    const long long end =
        layout.TextStartPosition - static_cast<long long>(kBankHeaderSize) + blockSize;
    out.push_back(static_cast<char>((end >> 8) & 0xFF));
    out.push_back(static_cast<char>(end & 0xFF));
    out.append(source.substr(kDataHeaderEnd,
                             static_cast<std::size_t>(layout.TextStartPosition) - kDataHeaderEnd));
    for (const Message& message : document.Messages()) {
        out.push_back(static_cast<char>(message.edited.size()));
        out.append(message.edited);
    }
    out.append(source.substr(pos));

    const long long bankLength = static_cast<long long>(out.size() - kLengthBase);
    const int flags = std::clamp(layout.BankFlags, 0, 15);
    out[kLengthOffset] = static_cast<char>(flags * 16 + ((bankLength >> 24) & 0x0F));
    out[kLengthOffset + 1] = static_cast<char>((bankLength >> 16) & 0xFF);
    out[kLengthOffset + 2] = static_cast<char>((bankLength >> 8) & 0xFF);
    out[kLengthOffset + 3] = static_cast<char>(bankLength & 0xFF);
    return result;
}

} // namespace quillon
