// Reads a credits file and locks what is not text. The engine reads each line as a directive
// when it starts with ".", stops at the first line that starts with "EN" (letter case as is),
// and shows every other line: no line of text has a length limit of its own, and a page (the
// lines between two pauses) keeps its number of lines since no line changes its kind.
#include "formats/CrdFormat.h"

namespace quillon {

namespace {

bool IsDirective(std::string_view line) {
    return line.starts_with('.');
}

bool EndsCredits(std::string_view line) {
    return line.starts_with("EN");
}

} // namespace

ReadResult CrdFormat::Read(std::string_view bytes, const std::string& displayName) const {
    const LineSplit split = SplitCrLfLines(bytes);
    if (!split.problem.empty()) {
        ReadResult result;
        result.failure = ReadFailure::Broken;
        result.message = displayName + ": " + split.problem;
        return result;
    }
    std::vector<bool> locked(split.lines.size());
    bool ended = false;
    for (std::size_t i = 0; i < split.lines.size(); ++i) {
        ended = ended || EndsCredits(split.lines[i]);
        locked[i] = ended || IsDirective(split.lines[i]);
    }
    return FillFromLines(split, locked);
}

std::string CrdFormat::KindProblem(std::string_view newLine) const {
    if (IsDirective(newLine))
        return "it would start with \".\", which the credits read as a "
               "directive";
    if (EndsCredits(newLine)) return "it would start with EN, which ends the credits";
    return {};
}

const CrdFormat& TheCrdFormat() {
    static const CrdFormat format;
    return format;
}

} // namespace quillon
