// Temporary messages files: building and parsing their lines, applying them.
#include "work/Tmf.h"

#include "base/Numbers.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quillon {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

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
void AppendRowNumber(std::string& out, std::string_view label) {
    // Longer numbers are kept whole: cutting them to three digits would make them ambiguous.
    if (label.size() < 3) out.append(3 - label.size(), '0');
    const std::size_t start = out.size();
    out.append(label);
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == ' ') out[i] = '0';
}

} // namespace

TmfBuildResult BuildTmf(std::string_view gameFileName, const Document& document,
                        TmfContent content) {
    TmfBuildResult result;
    if (HoldsLineBreak(gameFileName)) {
        result.error = "The file name of the cutscene file holds a line break, which the "
                       "header line of a temporary messages file cannot hold.";
        return result;
    }
    std::string& out = result.bytes;
    out.reserve(static_cast<std::size_t>(document.Count()) * 16 + 64);
    out.append(kTmfHeaderPrefix).append(gameFileName).append(kLineEnd).append(kLineEnd);
    const bool newMessages = content == TmfContent::NewMessages;
    for (int row = 1; row <= document.Count(); ++row) {
        const Message& message = document.At(row);
        const std::string& text = newMessages ? message.edited : message.original;
        // An entry of one byte is no message, but a message may be one byte long: the French
        // "give X to Y" joins with "\xE0" (a grave).
        if (text.empty() || (text.size() == 1 && message.number == 0)) continue;
        if (message.number != 0) {
            char digits[16];
            const auto written = std::to_chars(digits, digits + sizeof digits, message.number);
            AppendRowNumber(
                out, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
        } else {
            AppendRowNumber(out, message.original);
        }
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

void ApplyTmfLines(Document& document, const std::vector<TmfLine>& lines) {
    for (const TmfLine& line : lines)
        if (const int row = document.RowOfNumber(line.number); row != 0)
            document.At(row).edited = line.text;
}

namespace {

// Calls each(line, isHeader) for every line of a work file, its CR LF left out; put joins
// what each returns back with the file's own line ends.
template <typename Each> std::string MapLines(std::string_view bytes, Each each) {
    std::string out;
    out.reserve(bytes.size());
    bool header = true;
    while (!bytes.empty()) {
        const size_t end = bytes.find(kLineEnd);
        const std::string_view line = bytes.substr(0, end);
        out += each(line, header);
        if (end == std::string_view::npos) break;
        out += kLineEnd;
        bytes.remove_prefix(end + kLineEnd.size());
        header = false;
    }
    return out;
}

std::string MessageName(std::string_view line, int lineNumber) {
    const TmfLine parsed = ParseMessageLine(line);
    return parsed.number > 0 ? "message " + std::to_string(parsed.number)
                             : "line " + std::to_string(lineNumber);
}

} // namespace

TmfLettersResult TmfInGameLetters(std::string_view bytes, GameFont font, bool utf8,
                                  std::string_view displayName) {
    TmfLettersResult result;
    // The header names the game file, whose name is not a message: it says nothing of how
    // the messages are written.
    const size_t headerEnd = bytes.find(kLineEnd);
    const std::string_view messages =
        headerEnd == std::string_view::npos ? std::string_view() : bytes.substr(headerEnd);
    if (!utf8 && !LooksLikeUtf8(messages)) {
        result.bytes = std::string(bytes);
        return result;
    }
    std::vector<std::string> where, lacking, replaced;
    int lineNumber = 0;
    result.bytes = MapLines(bytes, [&](std::string_view line, bool header) {
        ++lineNumber;
        if (header) return std::string(line);
        Utf8ToGameResult converted = Utf8ToGameBytes(font, line, true);
        for (std::string& name : converted.replaced)
            if (std::find(replaced.begin(), replaced.end(), name) == replaced.end())
                replaced.push_back(std::move(name));
        if (!converted.Ok()) {
            where.push_back(MessageName(line, lineNumber));
            for (std::string& name : converted.refused)
                if (std::find(lacking.begin(), lacking.end(), name) == lacking.end())
                    lacking.push_back(std::move(name));
        }
        return converted.bytes;
    });
    const std::string letters = "the game's letters (" + std::string(GameFontName(font)) + " font)";
    if (!where.empty()) {
        result.bytes.clear();
        result.error = std::string(displayName) + " is read as UTF-8, and " + ListOfNames(where) +
                       (where.size() == 1 ? " holds " : " hold ") + "what is not among " + letters +
                       ": " + ListOfNames(lacking) + ".";
        return result;
    }
    result.note = std::string(displayName) + " is read as UTF-8 through " + letters + ".";
    if (!replaced.empty()) result.note += " Written as plain signs: " + ListOfNames(replaced) + ".";
    return result;
}

std::string TmfAsUtf8(std::string_view bytes, GameFont font) {
    return MapLines(bytes, [&](std::string_view line, bool header) {
        return header ? std::string(line) : GameBytesToUtf8(font, line);
    });
}

} // namespace quillon
