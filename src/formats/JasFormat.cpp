// Reads QUEEN2.JAS: checks its line count, locks the lines that are no text, and names the
// rules a new line must keep for the engine to read it as it did.
#include "formats/JasFormat.h"

#include "base/AsciiCase.h"
#include "document/Layout.h"
#include "text/GameFont.h"

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

ShownAs JasFormat::ShownAsOf(const Document& document, int row) const {
    using namespace jas;
    if (!document.HasRow(row) || document.At(row).locked) return ShownAs::Nothing;
    const int n = document.At(row).number;
    if (n < kFirstName) return ShownAs::Speech;
    if (n < kFirstRoom) return ShownAs::CommandName;
    if (n < kFirstVerb) return ShownAs::Nothing;
    if (n < kFirstAnswer) return ShownAs::CommandName;
    if (n >= kFirstJournalLabel && n < kFirstJournalLabel + kJournalLabels)
        return ShownAs::JournalLabel;
    if (n < kFirstActorLine) return ShownAs::Speech;
    return ShownAs::Nothing;
}

// The command line is built word by word with a space between: a verb and the object under
// the pointer ("pick up bone"), "use" or "give" with the first object and the link word
// ("use bone on", shown while the second is chosen), then the second object ("give bone to
// Sparky"). Any verb goes with any object, so a name is measured after every verb and in the
// "use" and "give" sentences, and a verb or a link word with the widest name of the file. The
// full two-object sentence depends on which pairs the game allows; it is not measured.
std::vector<SentenceFrame> JasFormat::SentencesOf(const Document& document, int row,
                                                  char language) const {
    using namespace jas;
    std::vector<SentenceFrame> frames;
    if (!document.HasRow(row) || document.Count() < kFirstActorLine - 1) return frames;
    const int n = document.At(row).number;
    const auto word = [&](int number) {
        return std::string(LaidOutBytes(document.At(document.RowOfNumber(number))));
    };
    const std::string use = word(kVerbUse), give = word(kVerbGive);
    const std::string on = word(kLinkOn), to = word(kLinkTo);
    if (n >= kFirstName && n < kFirstRoom) {
        for (int verb = kFirstVerb; verb < kLinkOn; ++verb)
            if (verb != kNoVerb) frames.push_back({word(verb) + " ", ""});
        frames.push_back({use + " ", " " + on});
        frames.push_back({give + " ", " " + to});
        return frames;
    }
    if (n < kFirstVerb || n >= kFirstAnswer || n == kNoVerb) return frames;
    const GameFont font = FontOfLanguage(language);
    std::string widest;
    for (int name = kFirstName; name < kFirstRoom; ++name) {
        const std::string candidate = word(name);
        if (TextWidth(font, candidate) > TextWidth(font, widest)) widest = candidate;
    }
    if (n == kLinkOn) return {{use + " " + widest + " ", ""}};
    if (n == kLinkTo) return {{give + " " + widest + " ", ""}};
    frames.push_back({"", " " + widest});
    if (n == kVerbUse) frames.push_back({"", " " + widest + " " + on});
    if (n == kVerbGive) frames.push_back({"", " " + widest + " " + to});
    return frames;
}

const JasFormat& TheJasFormat() {
    static const JasFormat format;
    return format;
}

} // namespace quillon
