// Counting, hiding and rebuilding control codes, on examples and on generated messages.
#include "text/ControlCodes.h"

#include <gtest/gtest.h>

#include <random>

namespace quillon {
namespace {

TEST(ControlCodes, CountsEveryStar) {
    EXPECT_EQ(CountControlChars("a*b**"), 3);
    EXPECT_EQ(CountControlChars(""), 0);
    EXPECT_EQ(CountControlChars("*01Hi*02"), 2);
    EXPECT_EQ(CountControlChars(std::string(40000, '*')), 32767);
}

TEST(ControlCodes, HidesLeadingAndTrailingCodesAndJoinsInnerRunsIntoOneBreak) {
    const std::pair<std::string, std::string> cases[] = {
        {"Hello*01*02World", "Hello\r\nWorld"},
        {"*01Hi*02", "Hi"},
        {"*01*02", ""},
        {"ab*c", "ab"},
        {"*0", ""},
        {"*ab*", ""},
        {"a*01", "a"},
        {"*01a", "a"},
        {"ab*01cd*02*03ef*04", "ab\r\ncd\r\nef"},
        {"plain text", "plain text"},
        {"", ""},
        {"ab", "ab"},
        {"a*01*02", "a"},
    };
    for (const auto& [text, hidden] : cases)
        EXPECT_EQ(HideControlCodes(text), hidden) << '"' << text << '"';
}

TEST(ControlCodes, RebuildPutsTheOriginalsCodesBackInOrder) {
    struct Case {
        std::string edited, original, rebuilt;
    };
    const Case cases[] = {
        {"Hi\r\nEarth", "*01Hello*02World*03", "*01Hi*02Earth*03"},
        {"\r\nHi", "*01Hi", "*01Hi"},
        {"Hi\r\n\r\n", "Hi*01", "Hi*01"},
        {"A\r\nB\r\nC", "x*01y", "A*01B\r\n\nC"}, // a break too many stays, marked
        {"AB", "x*01y", "AB"},                    // a run too many is lost
        {"a\r\nb", "ab", "a\r\n\nb"},             // short originals hold no codes
        {"", "*01x", ""},
        {"\r\n", "*01x*02", "*01*02"},
        {"Hi", "*01", "*01Hi"},
        {"new\r\nwords", "*01*02old*03*04text*05", "*01*02new*03*04words*05"},
        {"p\r\nq", "x*a*bcd", "p*a*q"}, // a "*" inside a code must not hang the rebuild
        {"p\r\nq\r\nr", "x*a*b*cd*", "p*a*q*cd*r"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RebuildControlCodes(c.edited, c.original, false), c.rebuilt)
            << '"' << c.edited << "\" against \"" << c.original << '"';

    // While the original box shows the placeholder, nothing can be changed.
    EXPECT_EQ(RebuildControlCodes("anything", "*01*02", true), "*01*02");
    EXPECT_EQ(RebuildControlCodes("", "*01", true), "*01");
}

// Messages of words separated by runs of codes, with optional codes at both ends.
class MessageMaker {
public:
    explicit MessageMaker(unsigned start) : random_(start) {}

    struct Shape {
        std::vector<std::string> leading, trailing;
        std::vector<std::vector<std::string>> runs; // between the words
        std::vector<std::string> words;             // never empty
    };

    Shape MakeShape() {
        Shape s;
        s.leading = Codes(Pick(0, 2));
        s.trailing = Codes(Pick(0, 2));
        const int innerRuns = Pick(0, 4);
        for (int i = 0; i < innerRuns; ++i)
            s.runs.push_back(Codes(Pick(1, 3)));
        s.words = Words(innerRuns + 1);
        return s;
    }
    std::vector<std::string> Words(int count) {
        std::vector<std::string> words;
        for (int i = 0; i < count; ++i) {
            std::string w;
            for (int n = Pick(1, 6); n > 0; --n)
                w += Char();
            words.push_back(w);
        }
        return words;
    }
    static std::string Join(const Shape& s) {
        std::string m;
        for (const auto& c : s.leading)
            m += c;
        for (std::size_t i = 0; i < s.words.size(); ++i) {
            if (i > 0)
                for (const auto& c : s.runs[i - 1])
                    m += c;
            m += s.words[i];
        }
        for (const auto& c : s.trailing)
            m += c;
        return m;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    // Any byte but "*", CR and LF, with the awkward ones (space, high bytes) often.
    char Char() {
        static const std::string common = " aZ9.\t\x01\x7F\x80\xFF";
        if (Pick(0, 1) == 0)
            return common[static_cast<std::size_t>(Pick(0, static_cast<int>(common.size()) - 1))];
        for (;;) {
            const char c = static_cast<char>(Pick(0, 255));
            if (c != '*' && c != '\r' && c != '\n') return c;
        }
    }
    std::vector<std::string> Codes(int count) {
        std::vector<std::string> codes;
        for (int i = 0; i < count; ++i)
            codes.push_back(std::string("*") + Char() + Char());
        return codes;
    }
    std::mt19937 random_;
};

TEST(ControlCodes, RebuildingTheHiddenFormOfAWellFormedMessageGivesItBack) {
    MessageMaker maker(20240611u);
    for (int i = 0; i < 5000; ++i) {
        const MessageMaker::Shape shape = maker.MakeShape();
        const std::string message = MessageMaker::Join(shape);
        const std::string hidden = HideControlCodes(message);
        ASSERT_FALSE(hidden.empty());
        ASSERT_EQ(RebuildControlCodes(hidden, message, false), message)
            << "hidden form of \"" << message << '"';

        // New words between the same codes come back unchanged too.
        MessageMaker::Shape translated = shape;
        translated.words = maker.Words(static_cast<int>(shape.words.size()));
        const std::string newMessage = MessageMaker::Join(translated);
        ASSERT_EQ(RebuildControlCodes(HideControlCodes(newMessage), message, false), newMessage)
            << "\"" << newMessage << "\" against \"" << message << '"';
    }
}

} // namespace
} // namespace quillon
