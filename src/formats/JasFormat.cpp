// Reads QUEEN2.JAS: checks its line count, locks the lines that are no text, and names the
// rules a new line must keep for the engine to read it as it did.
#include "formats/JasFormat.h"

#include "base/AsciiCase.h"

#include <algorithm>
#include <cstdio>

namespace quillon {

namespace {

// The engine speaks a description piece by piece (split at each *) through a buffer of 256
// bytes, its final NUL included.
constexpr std::size_t kMaxPiece = 255;

ReadResult Refuse(const std::string& name, const std::string& what) {
    ReadResult result;
    result.failure = ReadFailure::Broken;
    result.message = name + ": " + what;
    return result;
}

bool Locked(int number, std::string_view line) {
    using namespace jas;
    if (number < kFirstName) return IsJasCommand(line);
    return (number >= kFirstRoom && number < kFirstVerb) || number == kNoVerb ||
           number >= kFirstActorLine;
}

std::size_t LongestPiece(std::string_view text) {
    std::size_t longest = 0;
    for (std::size_t start = 0;;) {
        const std::size_t star = text.find('*', start);
        const std::size_t end = star == std::string_view::npos ? text.size() : star;
        longest = std::max(longest, end - start);
        if (star == std::string_view::npos) return longest;
        start = star + 1;
    }
}

} // namespace

bool IsJasCommand(std::string_view line) {
    return line.size() > 4 &&
           (EndsWithIgnoringCase(line, ".CUT") || EndsWithIgnoringCase(line, ".DOG"));
}

ReadResult JasFormat::Read(std::string_view bytes, const std::string& displayName) const {
    const LineSplit split = SplitCrLfLines(bytes);
    if (!split.problem.empty()) return Refuse(displayName, split.problem);
    const std::size_t count = split.lines.size();
    if (count != static_cast<std::size_t>(jas::kLineCount))
        return Refuse(displayName, "the file has " + std::to_string(count) +
                                       " lines; the game finds its sections by counting "
                                       "1427 lines.");
    if (!split.finalLineBreak)
        return Refuse(displayName, "line 1427 has no line break after it, so the game would "
                                   "not read it.");
    std::vector<bool> locked(count);
    for (std::size_t i = 0; i < count; ++i)
        locked[i] = Locked(static_cast<int>(i + 1), split.lines[i]);
    return FillFromLines(split, locked);
}

std::string JasFormat::KindProblem(std::string_view newLine) const {
    if (IsJasCommand(newLine))
        return "it would end in " + UpperCase(newLine.substr(newLine.size() - 4)) +
               ", which the game runs instead of showing it";
    if (const std::size_t piece = LongestPiece(newLine); piece > kMaxPiece)
        return "a piece between two * has " + std::to_string(piece) +
               " bytes; the game takes at most 255";
    return {};
}

std::string JasFormat::NoteOf(const Document& document, int row) const {
    using namespace jas;
    if (!document.HasRow(row)) return {};
    const int n = document.At(row).number;
    if (n < kFirstName) {
        if (document.At(row).locked)
            return "Starts a cutscene or a dialogue instead of a description: not text.";
        char voice[16];
        std::snprintf(voice, sizeof voice, "JOE%04d", n + kJoeAnswers);
        return std::string("Description of an object, spoken by Joe (voice ") + voice + ").";
    }
    if (n < kFirstRoom) return "Name of an object, on the command line and the map.";
    if (n < kFirstVerb) return "Name of a room's files: not text.";
    if (n == kNoVerb) return "No verb: a placeholder, not text.";
    if (n == kFirstAnswer - 2) return "Verb: \"use X on Y\".";
    if (n == kFirstAnswer - 1) return "Verb: \"give X to Y\".";
    if (n < kFirstAnswer) return "Verb, on the command line and its button.";
    if (n < kFirstActorLine)
        return "Joe's stock answer or a label of the journal, " +
               std::to_string(n - kFirstAnswer + 1) + " of 40.";
    return "Actor data: not text.";
}

const JasFormat& TheJasFormat() {
    static const JasFormat format;
    return format;
}

} // namespace quillon
