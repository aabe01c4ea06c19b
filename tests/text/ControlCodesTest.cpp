// Counting, hiding and rebuilding control codes, on examples and on generated messages.
#include "text/ControlCodes.h"

#include <gtest/gtest.h>

#include <random>

namespace quillon {
namespace {

TEST(ControlCodes, CountsStarsAndHidesCodesAtTheEndsAndInnerRunsAsOneBreak) {
    EXPECT_EQ(CountControlChars("a*b**"), 3);
    EXPECT_EQ(CountControlChars(""), 0);
    EXPECT_EQ(CountControlChars(std::string(40000, '*')), 32767);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Hello*01*02World", "Hello\r\nWorld"},
        {"*01Hi*02", "Hi"},
        {"*01*02", ""},
        {"ab*c", "ab"},
        {"*0", ""},
        {"*ab*", ""},
        {"a*01", "a"},
        {"a*01*02", "a"},
        {"ab*01cd*02*03ef*04", "ab\r\ncd\r\nef"},
        {"ab", "ab"}};
    for (const auto& [text, hidden] : cases)
        EXPECT_EQ(HideControlCodes(text), hidden) << '"' << text << '"';
}

TEST(ControlCodes, RebuildPutsTheOriginalsCodesBackInOrder) {
    // edited text, original, rebuilt
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"Hi\r\nEarth", "*01Hello*02World*03", "*01Hi*02Earth*03"},
        {"\r\nHi", "*01Hi", "*01Hi"},
        {"Hi\r\n\r\n", "Hi*01", "Hi*01"},
        {"A\r\nB\r\nC", "x*01y", "A*01B\r\n\nC"}, // a break too many stays, marked
        {"AB", "x*01y", "AB"},                    // a run too many is lost
        {"a\r\nb", "ab", "a\r\n\nb"},
        {"", "*01x", ""},
        {"\r\n", "*01x*02", "*01*02"},
        {"new\r\nwords", "*01*02old*03*04text*05", "*01*02new*03*04words*05"},
        {"p\r\nq", "x*a*bcd", "p*a*q"}, // a "*" inside a code must not hang the rebuild
        {"p\r\nq\r\nr", "x*a*b*cd*", "p*a*q*cd*r"}};
    for (const auto& [edited, original, rebuilt] : cases)
        EXPECT_EQ(RebuildControlCodes(edited, original, false), rebuilt) << '"' << original << '"';
    EXPECT_EQ(RebuildControlCodes("anything", "*01*02", true), "*01*02"); // the placeholder
}

TEST(ControlCodes, HiddenFormsOfWellFormedMessagesRebuildToThemselves) {
    std::mt19937 random(20240611u);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto byte = [&] { // any byte but "*", CR and LF; spaces and high bytes often
        const char c = pick(0, 1) ? " a\t\x80\xFF"[pick(0, 4)] : static_cast<char>(pick(0, 255));
        return c == '*' || c == '\r' || c == '\n' ? 'z' : c;
    };
    auto codes = [&](int count) {
        std::string s;
        while (count-- > 0)
            s += std::string("*") + byte() + byte();
        return s;
    };
    auto words = [&](std::size_t count) {
        std::vector<std::string> w(count);
        for (auto& word : w)
            for (int n = pick(1, 5); n > 0; --n)
                word += byte();
        return w;
    };
    auto join = [](const std::vector<std::string>& parts, const std::vector<std::string>& w) {
        std::string s = parts.front();
        for (std::size_t i = 0; i < w.size(); ++i)
            s += w[i] + parts[i + 1];
        return s;
    };
    for (int i = 0; i < 5000; ++i) {
        // Codes before the first word, between the words and after the last one.
        std::vector<std::string> parts{codes(pick(0, 2))};
        for (int runs = pick(0, 4); runs > 0; --runs)
            parts.push_back(codes(pick(1, 3)));
        parts.push_back(codes(pick(0, 2)));
        const std::string message = join(parts, words(parts.size() - 1));
        ASSERT_EQ(RebuildControlCodes(HideControlCodes(message), message, false), message);
        // New words between the same codes come back unchanged too.
        const std::string translated = join(parts, words(parts.size() - 1));
        ASSERT_EQ(RebuildControlCodes(HideControlCodes(translated), message, false), translated);
    }
}

} // namespace
} // namespace quillon
