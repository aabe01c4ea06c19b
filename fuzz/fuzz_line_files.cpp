// Feeds arbitrary bytes to the readers of the game's line files: as a credits file, as
// QUEEN2.JAS, and (since QUEEN2.JAS takes only 1,427 lines) as QUEEN2.JAS once its lines are
// repeated to that count. What reads is translated, written, and read back.
#include "formats/CrdFormat.h"
#include "formats/JasFormat.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace quillon;

namespace {

void CheckRefusal(const ReadResult& read, const std::string& name) {
    Check(read.failure == ReadFailure::Broken, "a line file is refused as broken");
    Check(read.message.rfind(name + ": ", 0) == 0, "an error names the file");
    Check(read.message.find('\n') == std::string::npos, "an error is one line");
}

// The input's size picks the translation of the unlocked lines: unchanged, emptied, doubled,
// or with the input's first byte in front.
void RoundTrip(const LineFileFormat& format, std::string_view source, const std::string& name,
               std::size_t mode, char first) {
    ReadResult read = format.Read(source, name);
    if (!read.ok()) return CheckRefusal(read, name);
    Document& document = read.document;
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        Check(message.number == row, "a line's number is its row");
        Check(!BreaksLine(message.original), "no line holds CR, LF or NUL");
        Check(!message.locked || message.edited == message.original, "a locked line starts as is");
        if (message.locked) continue;
        message.edited = mode == 0   ? message.original
                         : mode == 1 ? std::string()
                         : mode == 2 ? message.original + message.original
                                     : first + message.original;
    }
    const std::string unwritable = format.CheckWritable(document);
    format.FitForWriting(document);
    const WriteResult built = format.Write(document, source);
    Check(built.error == unwritable, "the writer refuses what the check refuses");
    if (!unwritable.empty()) {
        Check(unwritable.rfind("Line ", 0) == 0, "a refusal names its line");
        return;
    }
    if (mode == 0) Check(built.bytes == source, "unchanged lines give back the source");
    const ReadResult again = format.Read(built.bytes, name);
    Check(again.ok(), "the written file reads back");
    Check(again.document.Count() == document.Count(), "as many lines as before");
    for (int row = 1; row <= document.Count(); ++row) {
        Check(again.document.At(row).original == document.At(row).edited, "each line as written");
        Check(again.document.At(row).locked == document.At(row).locked, "the same lines locked");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t mode = size % 4;
    const char first = size > 0 ? bytes[0] : 'x';
    RoundTrip(TheCrdFormat(), bytes, "F.CRD", mode, first);
    RoundTrip(TheJasFormat(), bytes, "QUEEN2.JAS", mode, first);

    // The input's lines (split at LF, without CR and NUL) repeated to 1,427.
    std::vector<std::string> lines{std::string()};
    for (const char c : bytes) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r' && c != '\0')
            lines.back() += c;
    }
    std::string jas;
    for (int n = 0; n < jas::kLineCount; ++n)
        jas.append(lines[static_cast<std::size_t>(n) % lines.size()]).append("\r\n");
    const ReadResult read = TheJasFormat().Read(jas, "QUEEN2.JAS");
    Check(read.ok(), "1,427 lines that end in CR LF read");
    for (int row = 1; row <= jas::kLineCount; ++row) {
        const Message& message = read.document.At(row);
        const bool text =
            row < jas::kFirstName
                ? !IsJasCommand(message.original)
                : (row < jas::kFirstRoom ||
                   (row >= jas::kFirstVerb && row != jas::kNoVerb && row < jas::kFirstActorLine));
        Check(message.locked != text, "the lines of text are the unlocked ones");
    }
    RoundTrip(TheJasFormat(), jas, "QUEEN2.JAS", mode, first);
    return 0;
}
