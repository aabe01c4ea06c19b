// Writes a .CUT file: pads new messages to their original's parity and rebuilds the text block.
#include "formats/CutFile.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

constexpr std::string_view kMagic = "AmBk";
constexpr std::string_view kBankName = "Datas   ";
constexpr std::size_t kDataHeaderEnd = 32;
constexpr long long kMaxMessageLength = 255;
constexpr long long kTextOffsetLimit = 65536;     // two bytes
constexpr long long kBankLengthLimit = 1LL << 28; // the top four bits hold the flags

// Numbers in cells are whole; anything odd (empty, huge, fractional) is read safely.
long long CellInteger(std::string_view text) {
    const double value = LeadingNumber(text);
    if (!std::isfinite(value)) return 0;
    const double clamped = std::clamp(std::nearbyint(value), -1e15, 1e15);
    return static_cast<long long>(clamped);
}

// What the writer stores for a row: "New length" bytes of the new message, never more
// bytes than the message holds, so the length byte always matches what follows it.
long long BytesToWrite(const std::string& message, long long newLength) {
    return std::clamp<long long>(newLength, 0, static_cast<long long>(message.size()));
}

bool ParityDiffers(long long originalLength, long long newLength) {
    return originalLength > 0 && (originalLength % 2 != 0) != (newLength % 2 != 0);
}

std::string Describe(const MessageTable& table, int row) {
    const std::string& realAA = table.Cell(row, ColRealAA);
    if (!realAA.empty()) return "Message " + realAA + " (row " + std::to_string(row) + ")";
    return "The message of row " + std::to_string(row);
}

// Checks what the bytes of an (already padded) table need against the format's fields.
std::string CheckLimits(const MessageTable& table, const CutLayout& layout,
                        const std::vector<long long>& lengths) {
    long long block = 0;
    for (int row = 1; row <= table.Count(); ++row) {
        const long long length = lengths[static_cast<std::size_t>(row - 1)];
        if (length > kMaxMessageLength)
            return Describe(table, row) + " would be " + std::to_string(length) +
                   " bytes long once padded; a message holds at most 255 bytes.";
        block += 1 + length;
    }
    const long long start = layout.TextStartPosition - 20;
    if (start + block >= kTextOffsetLimit)
        return "The new text block would end at offset " + std::to_string(start + block) +
               "; the file can only say where it ends below 65536.";
    const long long size = layout.TextStartPosition + block +
                           std::max<long long>(0, layout.FileSize - layout.ReadPosition);
    if (size - 12 >= kBankLengthLimit)
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

int PaddedLength(int originalLength, int newLength) {
    return ParityDiffers(originalLength, newLength) ? newLength + 1 : newLength;
}

void PadForParity(MessageTable& table) {
    for (int row = 1; row <= table.Count(); ++row) {
        const long long original = CellInteger(table.Cell(row, ColOriginalLength));
        const long long length = CellInteger(table.Cell(row, ColNewLength));
        if (!ParityDiffers(original, length)) continue;
        table.SetCell(row, ColNewMessage, PadMessageEnd(table.Cell(row, ColNewMessage)));
        table.SetCell(row, ColNewLength, std::to_string(length + 1));
    }
}

std::string CheckCutWritable(const MessageTable& table, const CutLayout& layout) {
    std::vector<long long> lengths;
    lengths.reserve(static_cast<std::size_t>(table.Count()));
    for (int row = 1; row <= table.Count(); ++row) {
        const long long original = CellInteger(table.Cell(row, ColOriginalLength));
        long long length = CellInteger(table.Cell(row, ColNewLength));
        const std::string& message = table.Cell(row, ColNewMessage);
        if (ParityDiffers(original, length))
            lengths.push_back(BytesToWrite(PadMessageEnd(message), length + 1));
        else
            lengths.push_back(BytesToWrite(message, length));
    }
    return CheckLimits(table, layout, lengths);
}

CutBuildResult BuildCutBytes(std::string_view source, const MessageTable& paddedTable,
                             const CutLayout& layout) {
    CutBuildResult result;
    const auto fail = [&result](const std::string& what) {
        result.error = "The source file no longer matches the file that was read: " + what;
        return result;
    };

    if (source.size() < kDataHeaderEnd || source.substr(0, 4) != kMagic ||
        source.substr(12, 8) != kBankName)
        return fail("its header is not that of a cutscene bank.");
    const long long start = static_cast<unsigned char>(source[28]) * 256LL +
                            static_cast<unsigned char>(source[29]) + 20;
    if (start != layout.TextStartPosition ||
        static_cast<long long>(source.size()) < layout.TextStartPosition)
        return fail("its text block starts elsewhere.");

    // Walk the old block by its length bytes: exactly the entries the table was read from.
    std::size_t pos = static_cast<std::size_t>(layout.TextStartPosition);
    for (int row = 1; row <= paddedTable.Count(); ++row) {
        if (pos >= source.size() ||
            pos + 1 + static_cast<unsigned char>(source[pos]) > source.size())
            return fail("it ends inside message " + std::to_string(row) + " of the text block.");
        pos += 1 + static_cast<unsigned char>(source[pos]);
    }
    if (static_cast<long long>(pos) != layout.ReadPosition ||
        static_cast<long long>(source.size()) != layout.FileSize)
        return fail("its text block or its size has changed.");

    std::vector<long long> lengths;
    lengths.reserve(static_cast<std::size_t>(paddedTable.Count()));
    long long blockSize = 0;
    for (int row = 1; row <= paddedTable.Count(); ++row) {
        lengths.push_back(BytesToWrite(paddedTable.Cell(row, ColNewMessage),
                                       CellInteger(paddedTable.Cell(row, ColNewLength))));
        blockSize += 1 + lengths.back();
    }
    if (std::string problem = CheckLimits(paddedTable, layout, lengths); !problem.empty()) {
        result.error = std::move(problem);
        return result;
    }

    std::string& out = result.bytes;
    out.reserve(static_cast<std::size_t>(layout.TextStartPosition + blockSize) +
                (source.size() - pos));
    out.append(source.substr(0, 8));
    out.append(4, '\0'); // the bank length, known once the whole file is built
    out.append(source.substr(12, 18));
    const long long end = layout.TextStartPosition - 20 + blockSize;
    out.push_back(static_cast<char>((end >> 8) & 0xFF));
    out.push_back(static_cast<char>(end & 0xFF));
    out.append(source.substr(kDataHeaderEnd,
                             static_cast<std::size_t>(layout.TextStartPosition) - kDataHeaderEnd));
    for (int row = 1; row <= paddedTable.Count(); ++row) {
        const std::size_t length =
            static_cast<std::size_t>(lengths[static_cast<std::size_t>(row - 1)]);
        out.push_back(static_cast<char>(length));
        out.append(paddedTable.Cell(row, ColNewMessage), 0, length);
    }
    out.append(source.substr(pos));

    const long long bankLength = static_cast<long long>(out.size()) - 12;
    const int flags = std::clamp(layout.BankFlags, 0, 15);
    out[8] = static_cast<char>(flags * 16 + ((bankLength >> 24) & 0x0F));
    out[9] = static_cast<char>((bankLength >> 16) & 0xFF);
    out[10] = static_cast<char>((bankLength >> 8) & 0xFF);
    out[11] = static_cast<char>(bankLength & 0xFF);
    return result;
}

} // namespace quillon
