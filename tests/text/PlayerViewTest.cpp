// The player's view: speech cut into pieces and lines, options laid out in the choice menu,
// names on the command line and the journal's labels, each at the limits the engine has.
#include "text/PlayerView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

using Lines = std::vector<std::string>;

// In the regular font "W" is 8 px, "i" 3 px, a space 4 px, byte 0x84 (no glyph) 2 px.
std::string Ws(int count) {
    return std::string(static_cast<std::size_t>(count), 'W');
}
std::string Is(int count) {
    return std::string(static_cast<std::size_t>(count), 'i');
}
// A text of lineCount lines of 20 bytes and a space each, the last without its space.
std::string LinesOf(int lineCount) {
    std::string text;
    for (int i = 0; i < lineCount; ++i)
        text += std::string(20, 'x') + (i + 1 < lineCount ? " " : "");
    return text;
}

bool HasWarning(const PlayerView& view, const std::string& part) {
    for (const std::string& warning : view.warnings)
        if (warning.find(part) != std::string::npos) return true;
    return false;
}

TEST(PlayerView, SpeechIsCutIntoShownPiecesAndLines) {
    struct Case {
        std::string text;
        char language;
        Lines lines;
        Lines hidden;
    };
    const std::vector<Case> cases = {
        // A letter gets a full stop; "!", a digit and bytes from 0x80 on do not; "]" is above
        // 'A' and does.
        {"Hello", 'E', {"Hello."}, {}},
        {"Hello!", 'E', {"Hello!"}, {}},
        {"Room 9", 'E', {"Room 9"}, {}},
        {"Hola \xA1", 'S', {"Hola \xA1"}, {}},
        {"Hi]", 'E', {"Hi]."}, {}},
        // A line ends at the first space after 20 bytes, keeping the space; after 19 it does not.
        {std::string(20, 'a') + " bbb", 'E', {std::string(20, 'a') + " ", "bbb."}, {}},
        {std::string(19, 'a') + " bbb", 'E', {std::string(19, 'a') + " bbb."}, {}},
        // Hebrew is cut from the end; the space starts the line.
        {"bbb " + std::string(20, 'a'), 'H', {" " + std::string(20, 'a') + ".", "bbb"}, {}},
        // Pieces apart by an empty line; *WT and *GD hide the piece before them.
        {"One*00Two", 'E', {"One.", "", "Two."}, {}},
        {"Hello*WTthere", 'E', {"there."}, {"Hello"}},
        {"Grab*GDOk*03", 'E', {"Ok."}, {"Grab"}},
        {"Go*XY00(237,112)now", 'E', {"Go.", "", "now."}, {}},
        {"*FL*03", 'E', {}, {}},
        {"Hi*0", 'E', {"Hi."}, {}},
    };
    for (const Case& c : cases) {
        const PlayerView view = LayOut(c.text, ShownAs::Speech, c.language);
        EXPECT_EQ(view.lines, c.lines) << c.text;
        EXPECT_EQ(view.hiddenPieces, c.hidden) << c.text;
        EXPECT_TRUE(view.warnings.empty()) << c.text << ": " << view.warnings.front();
    }
}

TEST(PlayerView, SpeechWarnsAtTheEnginesLimits) {
    struct Case {
        std::string text;
        std::string warning; // a part of the one expected; empty: none
    };
    const std::string spaced = LinesOf(12); // 251 bytes, 12 lines
    const std::vector<Case> cases = {
        {LinesOf(8), ""},
        {LinesOf(9), "9 lines: the game shows at most 8"},
        {"Fine*00" + LinesOf(9), "9 lines in piece 2"},
        {LinesOf(9) + "*WT", ""}, // not shown at all
        // 255 bytes fit, the full stop the engine adds included.
        {spaced + "abc", "12 lines"},
        {spaced + "abc!", "12 lines"},
        {spaced + "abcd", "256 bytes with the full stop: the game holds at most 255"},
        {spaced + "abcd!", "256 bytes: the game holds at most 255"},
        // 316 px fit between the margins: "W" is 8 px.
        {Ws(39) + "\x84\x84", ""},
        {Ws(39) + "i\x84", "a line is 317 px wide: the screen holds 316"},
    };
    for (const Case& c : cases) {
        const PlayerView view = LayOut(c.text, ShownAs::Speech, 'E');
        if (c.warning.empty()) {
            EXPECT_TRUE(view.warnings.empty()) << c.text << ": " << view.warnings.front();
        } else {
            EXPECT_TRUE(HasWarning(view, c.warning)) << c.text;
        }
        EXPECT_EQ(HasWarning(view, "255"), c.warning.find("255") != std::string::npos) << c.text;
    }
}

TEST(PlayerView, OptionsAreLaidOutAsTheMenuDoes) {
    const std::string w10 = Ws(10);                              // 80 px
    const std::string three = w10 + " " + w10 + " " + w10 + " "; // 252 px
    struct Case {
        std::string line;
        char language;
        Lines menu;
        std::string warning;
    };
    const std::vector<Case> cases = {
        // Up to 302 px stay one line; 303 are cut at a space.
        {w10 + " " + w10 + " " + w10 + " WWWWiiiiii",
         'F',
         {w10 + " " + w10 + " " + w10 + " WWWWiiiiii"},
         ""},
        {w10 + " " + w10 + " " + w10 + " WWWWWWi",
         'F',
         {w10 + " " + w10 + " " + w10 + " ", "WWWWWWi"},
         ""},
        // The text after the first "*" is spoken, not offered.
        {"Yes*03please", 'G', {"Yes"}, ""},
        // Continuation lines have 278 px.
        {w10 + " " + w10 + " " + w10 + " " + Ws(34) + "ii",
         'I',
         {w10 + " " + w10 + " " + w10 + " ", Ws(34) + "ii"},
         ""},
        {w10 + " " + w10 + " " + w10 + " " + Ws(33) + Is(5),
         'I',
         {w10 + " " + w10 + " " + w10 + " ", Ws(33) + Is(5)},
         "a word does not fit the menu: line 2 is 279 px wide, at most 278 px"},
        // A first word wider than the menu leaves the first line empty.
        {Ws(38) + " a", 'S', {"", Ws(38) + " ", "a"}, "line 2 is 304 px wide"},
        // English: one line whatever its width, cut at 320.
        {three + "WWWWWWWiiii", 'E', {three + "WWWWWWWiiii"}, ""},
        {three + "WWWWWWiiiiiii",
         'E',
         {three + "WWWWWWiiiiiii"},
         "the option is 321 px wide: the menu cuts it at 320"},
        // Hebrew takes the words from the end, each with the space before it.
        {w10 + " " + w10 + " " + w10 + " WWWWWWi",
         'H',
         {" " + w10 + " " + w10 + " WWWWWWi", w10 + " "},
         ""},
    };
    for (const Case& c : cases) {
        const PlayerView view = LayOut(c.line, ShownAs::Option, c.language);
        EXPECT_EQ(view.menuLines, c.menu) << c.line;
        // The speech of long words may warn too; only the menu's warnings count here.
        EXPECT_EQ(HasWarning(view, "menu"), !c.warning.empty()) << c.line;
        if (!c.warning.empty()) {
            EXPECT_TRUE(HasWarning(view, c.warning)) << c.line;
        }
    }
    // Three 80 px words to a line: twelve words fill the menu's four lines, a thirteenth
    // needs a fifth.
    std::string words;
    for (int i = 0; i < 13; ++i) {
        const PlayerView view = LayOut(words, ShownAs::Option, 'F');
        EXPECT_EQ(HasWarning(view, "lines in the menu"), false) << i;
        words += (i ? " " : "") + w10;
    }
    const PlayerView five = LayOut(words, ShownAs::Option, 'F');
    EXPECT_EQ(five.menuLines.size(), 5u);
    EXPECT_TRUE(HasWarning(five, "5 lines in the menu: it shows at most 4"));
}

TEST(PlayerView, TheChosenOptionIsSpokenWhole) {
    const PlayerView view = LayOut("Where to?*03I have a map", ShownAs::Option, 'E');
    EXPECT_EQ(view.menuLines, Lines{"Where to?"});
    EXPECT_EQ(view.lines, (Lines{"Where to?", "", "I have a map."}));
}

TEST(PlayerView, CommandNamesFitTheCommandLine) {
    const std::vector<SentenceFrame> pickUp = {{"WWWWWWWWW ", ""}}; // 76 px before the name
    struct Case {
        std::string name;
        std::vector<SentenceFrame> sentences;
        std::string shown;
        std::string warning;
    };
    const std::vector<Case> cases = {
        {Ws(39) + "ii", {}, Ws(39) + "ii", ""},
        // (320 - 319) / 2 is 0: the engine drops the first and last bytes.
        {Ws(38) + Is(5), {}, Ws(37) + Is(4), "319 px wide: the command line shows 318"},
        {Ws(30) + "\x84", pickUp, Ws(30) + "\x84", ""},
        {Ws(30) + "i", pickUp, Ws(30) + "i", "\"WWWWWWWWW " + Ws(30) + "i\" is 319 px wide"},
    };
    for (const Case& c : cases) {
        const PlayerView view = LayOut(c.name, ShownAs::CommandName, 'E', c.sentences);
        EXPECT_EQ(view.lines, Lines{c.shown}) << c.name;
        if (c.warning.empty()) {
            EXPECT_TRUE(view.warnings.empty()) << c.name << ": " << view.warnings.front();
        } else {
            EXPECT_TRUE(HasWarning(view, c.warning)) << c.name;
        }
    }
}

TEST(PlayerView, JournalLabelsAreWordsInABox) {
    struct Case {
        std::string label;
        char language;
        Lines lines;
        std::string warning;
    };
    const std::vector<Case> cases = {
        {" Read  Entry ", 'E', {"Read", "Entry"}, ""},
        {"Read Entry", 'H', {"Entry", "Read"}, ""},
        {"Make New Entry", 'E', {"Make", "New", "Entry"}, "3 words"},
        {Ws(16), 'E', {Ws(16)}, ""},
        {Ws(15) + "iii", 'E', {Ws(15) + "iii"}, "is 129 px wide: the journal's box holds 128"},
    };
    for (const Case& c : cases) {
        const PlayerView view = LayOut(c.label, ShownAs::JournalLabel, c.language);
        EXPECT_EQ(view.lines, c.lines) << c.label;
        EXPECT_EQ(view.warnings.size(), c.warning.empty() ? 0u : 1u) << c.label;
        if (!c.warning.empty()) {
            EXPECT_TRUE(HasWarning(view, c.warning)) << c.label;
        }
    }
    EXPECT_TRUE(LayOut("Anything", ShownAs::Nothing, 'E').lines.empty());
}

} // namespace
} // namespace quillon
