// Line files: split at CR LF, filled into a document line by line, and joined back.
#include "formats/LineFile.h"

#include "text/ControlCodes.h"
#include "text/Validity.h"

namespace quillon {

namespace {

constexpr std::string_view kLineBreakers("\r\n\0", 3);

std::string LineName(std::size_t number) {
    return "line " + std::to_string(number);
}

WriteResult SourceChanged(const std::string& what) {
    WriteResult result;
    result.error = "The source file no longer matches the file that was read: " + what;
    return result;
}

} // namespace

LineSplit SplitCrLfLines(std::string_view bytes) {
    LineSplit split;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of(kLineBreakers, start);
        if (end == std::string_view::npos) {
            split.lines.push_back(bytes.substr(start));
            return split; // the last line has no line break after it
        }
        if (bytes[end] == '\0') {
            split.problem = LineName(split.lines.size() + 1) +
                            " holds a NUL byte, where the game would cut it short.";
            return split;
        }
        if (bytes[end] == '\n' || end + 1 == bytes.size() || bytes[end + 1] != '\n') {
            split.problem = LineName(split.lines.size() + 1) + " ends in a lone " +
                            (bytes[end] == '\n' ? "LF" : "CR") +
                            ", not in CR LF as the game's text files do.";
            return split;
        }
        split.lines.push_back(bytes.substr(start, end - start));
        start = end + kCrLf.size();
    }
    split.finalLineBreak = true;
    return split;
}

bool BreaksLine(std::string_view text) {
    return text.find_first_of(kLineBreakers) != std::string_view::npos;
}

ReadResult LineFileFormat::FillFromLines(const LineSplit& split,
                                         const std::vector<bool>& locked) const {
    ReadResult result;
    Document& document = result.document;
    document.format = this;
    for (std::size_t i = 0; i < split.lines.size(); ++i) {
        Message message;
        message.original.assign(split.lines[i]);
        message.number = static_cast<int>(i + 1);
        // The engine drops a last line that has no line break after it: it is never shown,
        // and emptied it would not even be a line.
        const bool unread = i + 1 == split.lines.size() && !split.finalLineBreak;
        message.locked = unread || (i < locked.size() && locked[i]);
        if (message.locked) message.edited = message.original;
        document.Append(std::move(message));
    }
    auto layout = std::make_shared<LineFileLayout>();
    layout->lineCount = static_cast<int>(split.lines.size());
    layout->finalLineBreak = split.finalLineBreak;
    document.layout = std::move(layout);
    return result;
}

std::string LineFileFormat::ProblemOf(const Message& message) const {
    if (message.edited == message.original) return {};
    if (message.locked) return "a locked line: it must stay as it is";
    if (!message.edited.empty())
        if (std::string problem = KindProblem(message.edited); !problem.empty()) return problem;
    return SpokenLines() ? SpokenMessageProblem(message.edited, message.original)
                         : NewMessageProblem(message.edited, message.original);
}

std::string LineFileFormat::WarningOf(const Message& message) const {
    return SpokenLines() ? CodeChangeWarning(message.edited, message.original) : std::string();
}

bool LineFileFormat::ShowsText(std::string_view text) const {
    return SpokenLines() ? HasTextOutsideCodes(text) : !text.empty();
}

void LineFileFormat::FitForWriting(Document& document) const {
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        if (message.edited.empty()) message.edited = NewBytes(message);
    }
}

std::string LineFileFormat::CheckWritable(const Document& document) const {
    for (int row = 1; row <= document.Count(); ++row) {
        const Message& message = document.At(row);
        const auto line = [&message] { return "Line " + std::to_string(message.number); };
        if (BreaksLine(message.edited))
            return line() +
                   " holds a CR, LF or NUL byte; the game finds its lines by counting them.";
        if (message.edited == message.original) continue;
        if (message.locked) return line() + " is locked and has changed; it must stay as it is.";
        if (message.edited.empty()) continue;
        if (std::string problem = KindProblem(message.edited); !problem.empty())
            return line() + " cannot be written: " + problem + ".";
    }
    return {};
}

WriteResult LineFileFormat::Write(const Document& document, std::string_view source) const {
    const auto* layout = dynamic_cast<const LineFileLayout*>(document.layout.get());
    if (layout == nullptr) return SourceChanged("it was not read as a line file.");
    const LineSplit split = SplitCrLfLines(source);
    if (!split.problem.empty()) return SourceChanged(split.problem);
    if (split.lines.size() != static_cast<std::size_t>(document.Count()) ||
        layout->lineCount != document.Count())
        return SourceChanged("it has " + std::to_string(split.lines.size()) + " lines, not " +
                             std::to_string(document.Count()) + ".");
    if (split.finalLineBreak != layout->finalLineBreak)
        return SourceChanged("the line break after its last line has changed.");
    for (int row = 1; row <= document.Count(); ++row)
        if (split.lines[static_cast<std::size_t>(row - 1)] != document.At(row).original)
            return SourceChanged(LineName(static_cast<std::size_t>(row)) + " has changed.");

    WriteResult result;
    result.error = CheckWritable(document);
    if (!result.error.empty()) return result;
    std::size_t size = 0;
    for (const Message& message : document.Messages())
        size += NewBytes(message).size() + kCrLf.size();
    result.bytes.reserve(size);
    for (int row = 1; row <= document.Count(); ++row) {
        result.bytes.append(NewBytes(document.At(row)));
        if (row < document.Count() || layout->finalLineBreak) result.bytes.append(kCrLf);
    }
    return result;
}

} // namespace quillon
