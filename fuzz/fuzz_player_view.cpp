// Feeds arbitrary messages to the player's view: the first byte picks how the game shows the
// message, the second is the version string's language letter, the rest is the message (a
// command name also gets two sentences of the command line). Checks the layout's rules.
#include "text/GameFont.h"
#include "text/PlayerView.h"

#include "FuzzCheck.h"

#include <algorithm>
#include <cstdint>

using namespace quillon;

namespace {

constexpr ShownAs kKinds[] = {ShownAs::Nothing, ShownAs::Speech, ShownAs::Option,
                              ShownAs::CommandName, ShownAs::JournalLabel};

std::string_view UpToNul(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

std::string Joined(const std::vector<std::string>& lines, std::string_view between = "") {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i)
        out += (i ? std::string(between) : "") + lines[i];
    return out;
}

struct Pieces {
    std::vector<std::string> shown;  // with their full stops
    std::vector<std::string> hidden; // before *WT, *GD, *GM
};

// The pieces of spoken text as the engine cuts them: every "*" takes a code of two bytes
// ("*XY" of thirteen in all); the piece before *WT, *GD or *GM is not shown; empty pieces
// show nothing; a piece ending in a byte 'A' or above as a signed char gets a full stop.
Pieces PiecesOf(std::string_view sentence) {
    Pieces out;
    std::string piece;
    auto close = [&](bool shown) {
        if (!piece.empty()) {
            if (!shown) {
                out.hidden.push_back(piece);
            } else {
                if (static_cast<signed char>(piece.back()) >= 'A') piece += '.';
                out.shown.push_back(piece);
            }
        }
        piece.clear();
    };
    for (size_t i = 0; i < sentence.size();) {
        if (sentence[i] != '*') {
            piece += sentence[i++];
            continue;
        }
        const std::string_view code = sentence.substr(i + 1, 2);
        close(code != "WT" && code != "GD" && code != "GM");
        i += code == "XY" ? 14 : 3;
    }
    close(true);
    return out;
}

void CheckSpeech(const PlayerView& view, std::string_view sentence, GameFont font, bool hebrew) {
    const Pieces pieces = PiecesOf(UpToNul(sentence));
    Check(view.hiddenPieces == pieces.hidden, "the hidden pieces are those before *WT, *GD, *GM");
    // The lines: each shown piece's, an empty line between two pieces.
    size_t at = 0;
    size_t expectWarnings = 0;
    for (size_t p = 0; p < pieces.shown.size(); ++p) {
        if (p > 0) {
            Check(at < view.lines.size() && view.lines[at].empty(), "an empty line between pieces");
            ++at;
        }
        const std::string& text = pieces.shown[p];
        std::vector<std::string> lines;
        while (at < view.lines.size() && !view.lines[at].empty())
            lines.push_back(view.lines[at++]);
        Check(!lines.empty(), "a shown piece has lines");
        if (hebrew) std::reverse(lines.begin(), lines.end());
        Check(Joined(lines) == text, "a piece's lines joined give the piece with its full stop");
        int widest = 0;
        for (size_t l = 0; l < lines.size(); ++l) {
            const std::string& line = lines[l];
            widest = std::max(widest, TextWidth(font, line));
            if (hebrew) {
                // Cut from the end: every line but the first starts with its space, after
                // more than 20 bytes; no earlier space past the 20 bytes.
                if (l > 0)
                    Check(line.size() > 20 && line.front() == ' ', "a Hebrew line starts a space");
                const size_t inner = line.find(' ', 1);
                Check(inner == std::string::npos || inner + 20 >= line.size(),
                      "a Hebrew line is cut at the first space past 20 bytes");
            } else {
                if (l + 1 < lines.size())
                    Check(line.size() > 20 && line.back() == ' ', "a line ends at a space");
                const size_t space = line.find(' ', 20);
                Check(space == std::string::npos || space + 1 == line.size(),
                      "a line ends at the first space past 20 bytes");
            }
        }
        expectWarnings += (text.size() > 255) + (lines.size() > 8) + (widest > 316);
    }
    Check(at == view.lines.size(), "no lines but the pieces'");
    Check(view.warnings.size() == expectWarnings, "a warning for each length, line count, width");
}

void CheckOption(const PlayerView& view, std::string_view line, char language, GameFont font) {
    const std::string_view sentence = UpToNul(line);
    const std::string_view option = sentence.substr(0, sentence.find('*'));
    const int width = TextWidth(font, option);
    if (language == 'E' || width <= 302) {
        Check(view.menuLines.size() == 1 && view.menuLines[0] == option,
              "an option that fits is one line");
    } else {
        std::vector<std::string> lines = view.menuLines;
        if (language == 'H') {
            // From the end, the first word is taken with the space after it as well: the
            // words come back, the spaces between them may not.
            std::reverse(lines.begin(), lines.end());
            auto words = [](std::string text) {
                std::erase(text, ' ');
                return text;
            };
            Check(words(Joined(lines)) == words(std::string(option)),
                  "the menu's lines joined give the option's words");
        } else {
            Check(Joined(lines) == option, "the menu's lines joined give the option");
        }
    }
    // Chosen, the whole line is spoken.
    const PlayerView spoken = LayOut(line, ShownAs::Speech, language);
    Check(view.lines == spoken.lines && view.hiddenPieces == spoken.hiddenPieces,
          "an option is spoken as speech");
}

void CheckCommandName(const PlayerView& view, std::string_view bytes, GameFont font,
                      std::span<const SentenceFrame> sentences) {
    const std::string_view name = UpToNul(bytes);
    Check(view.lines.size() == 1, "the command line is one line");
    const std::string& shown = view.lines[0];
    Check(TextWidth(font, shown) <= 318 || shown.empty(), "the command line shows at most 318 px");
    const size_t start = name.find(shown);
    Check(start != std::string_view::npos, "the command line shows a part of the name");
    const bool fits = TextWidth(font, name) <= 318;
    if (fits) Check(shown == name, "a name that fits is shown whole");
    bool sentenceFits = true;
    for (const SentenceFrame& frame : sentences)
        sentenceFits =
            sentenceFits && TextWidth(font, frame.before + std::string(name) + frame.after) <= 318;
    Check(view.warnings.empty() == (fits && sentenceFits), "a warning when it does not fit");
}

void CheckJournalLabel(const PlayerView& view, std::string_view bytes, GameFont font, bool hebrew) {
    std::vector<std::string> words;
    const std::string_view label = UpToNul(bytes);
    std::string word;
    for (const char c : label) {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    if (hebrew) std::reverse(words.begin(), words.end());
    Check(view.lines == words, "a label's lines are its words");
    size_t expectWarnings = words.size() > 2;
    for (const std::string& w : words)
        expectWarnings += TextWidth(font, w) > 128;
    Check(view.warnings.size() == expectWarnings, "a warning for each wide word, and for three");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const ShownAs how = kKinds[data[0] % std::size(kKinds)];
    const char language = static_cast<char>(data[1]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    const GameFont font = FontOfLanguage(language);
    const bool hebrew = language == 'H';

    const SentenceFrame frames[] = {{"use ", " on"}, {"give ", " to Sparky the wonder dog"}};
    const std::span<const SentenceFrame> sentences = how == ShownAs::CommandName
                                                         ? std::span<const SentenceFrame>(frames)
                                                         : std::span<const SentenceFrame>();
    const PlayerView view = LayOut(bytes, how, language, sentences);
    if (how != ShownAs::Option) Check(view.menuLines.empty(), "only an option has menu lines");
    if (how != ShownAs::Speech && how != ShownAs::Option)
        Check(view.hiddenPieces.empty(), "only spoken text hides pieces");

    switch (how) {
    case ShownAs::Nothing:
        Check(view.lines.empty() && view.warnings.empty(), "what is not shown has no lines");
        break;
    case ShownAs::Speech:
        CheckSpeech(view, bytes, font, hebrew);
        break;
    case ShownAs::Option:
        CheckOption(view, bytes, language, font);
        break;
    case ShownAs::CommandName:
        CheckCommandName(view, bytes, font, sentences);
        break;
    case ShownAs::JournalLabel:
        CheckJournalLabel(view, bytes, font, hebrew);
        break;
    }
    return 0;
}
