// Temporary messages files: building and parsing their lines, applying them, backup names.
#include "work/Tmf.h"

#include <cmath>
#include <limits>
#include <unordered_map>

namespace quillon {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Only messages that would break their line are escaped; all others go out byte for byte.
std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

// Unknown sequences and a lone final backslash stay as they are: nothing typed is lost.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '\\' || next == 'r' || next == 'n') {
                out += next == '\\' ? '\\' : next == 'r' ? '\r' : '\n';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

TmfLine ParseMessageLine(std::string_view line) {
    TmfLine result;
    std::size_t digits = 0;
    while (digits < line.size() && IsDigit(line[digits]))
        ++digits;
    std::size_t separator = 3;
    if (digits >= 4) {
        // A number too long for three digits is written whole.
        const double value = LeadingNumber(line.substr(0, digits));
        result.number = value <= std::numeric_limits<int>::max() ? static_cast<int>(value) : 0;
        separator = digits;
    } else {
        result.number = LeadingInt16(line.substr(0, 3));
    }
    if (line.size() > separator + 1) result.text.assign(line.substr(separator + 1));
    if (separator < line.size() && line[separator] == '\\') result.text = Unescape(result.text);
    return result;
}

} // namespace

namespace {

// The number field of a message line, appended in place: the backup is built on every
// keystroke, so no string is made per line.
void AppendRowNumber(std::string& out, std::string_view realAA) {
    // Longer numbers are kept whole: cutting them to three digits would make them ambiguous.
    if (realAA.size() < 3) out.append(3 - realAA.size(), '0');
    const std::size_t start = out.size();
    out.append(realAA);
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == ' ') out[i] = '0';
}

} // namespace

std::string TmfRowNumber(std::string_view realAA) {
    std::string field;
    AppendRowNumber(field, realAA);
    return field;
}

TmfBuildResult BuildTmf(std::string_view cutFileName, const MessageTable& table, int index) {
    TmfBuildResult result;
    if (HoldsLineBreak(cutFileName)) {
        result.error = "The file name of the cutscene file holds a line break, which the "
                       "header line of a temporary messages file cannot hold.";
        return result;
    }
    std::string& out = result.bytes;
    out.reserve(static_cast<std::size_t>(table.Count()) * 16 + 64);
    out.append(kTmfHeaderPrefix).append(cutFileName).append(kLineEnd).append(kLineEnd);
    const bool newMessages = index == 0 || index == 3;
    if (!newMessages && index != 1) return result;
    const int lengthColumn = newMessages ? ColNewLength : ColOriginalLength;
    const int textColumn = newMessages ? ColNewMessage : ColOriginalMessage;
    for (int row = 1; row <= table.Count(); ++row) {
        if (!(LeadingNumber(table.Cell(row, lengthColumn)) > 1)) continue;
        const std::string& text = table.Cell(row, textColumn);
        AppendRowNumber(out, table.Cell(row, ColRealAA));
        if (HoldsLineBreak(text))
            out.append("\\").append(Escape(text));
        else
            out.append(" ").append(text);
        out += kLineEnd;
    }
    return result;
}

TmfParseResult ParseTmf(std::string_view bytes) {
    return ParseTmf(bytes, "The file");
}

TmfParseResult ParseTmf(std::string_view bytes, std::string_view displayName) {
    TmfParseResult result;
    if (bytes.empty()) {
        result.error = std::string(displayName) + " is empty: it is not a temporary messages file.";
        return result;
    }
    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        else if (end > pos && bytes[end - 1] == '\r')
            --end;
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = next;
        ++lineNumber;
        if (lineNumber == 1) {
            // The first 19 bytes are the prefix; they are not examined.
            if (line.size() > kTmfHeaderPrefix.size())
                result.headerName.assign(line.substr(kTmfHeaderPrefix.size()));
        } else if (lineNumber > 2) {
            result.lines.push_back(ParseMessageLine(line));
        }
    }
    return result;
}

void ApplyTmfLines(MessageTable& table, const std::vector<TmfLine>& lines) {
    // Each row's number is read once; a line then finds its rows without scanning the table.
    std::unordered_map<long long, std::vector<int>> rowsByNumber;
    for (int row = 1; row <= table.Count(); ++row) {
        const double value = LeadingNumber(table.Cell(row, ColRealAA));
        if (value != 0 && std::isfinite(value) && value == std::floor(value) &&
            std::fabs(value) <= std::numeric_limits<int>::max())
            rowsByNumber[static_cast<long long>(value)].push_back(row);
    }
    for (const TmfLine& line : lines) {
        if (line.number == 0) continue;
        const auto found = rowsByNumber.find(line.number);
        if (found == rowsByNumber.end()) continue;
        for (int row : found->second)
            table.SetCell(row, ColNewMessage, line.text);
    }
    for (int row = 1; row <= table.Count(); ++row)
        table.SetCell(row, ColNewLength, std::to_string(table.Cell(row, ColNewMessage).size()));
}

std::string BackupFileName(std::string_view cutFileName, int counter) {
    const std::string_view stem =
        cutFileName.size() > 4 ? cutFileName.substr(0, cutFileName.size() - 4) : std::string_view{};
    return std::string(stem) + "_" + std::to_string(counter) + ".tmf";
}

} // namespace quillon
