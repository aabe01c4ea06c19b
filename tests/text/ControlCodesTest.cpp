// Counting, reading, hiding and rebuilding control codes, on examples and on generated messages,
// the rules that make a new message invalid and the warning of a changed code. (The size
// captions are read in the editor's tests, where every caption it shows is compared.)
#include "text/ControlCodes.h"
#include "text/Validity.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

namespace quillon {
namespace {

TEST(ControlCodes, CountsReadsHidesAndRebuildsTheOriginalsCodesInOrderForAnyWellFormedMessage) {
    // A 16-bit count stops at 32767.
    EXPECT_EQ(std::tuple(CountControlChars("a*b**"), CountControlChars(""),
                         CountControlChars(std::string(40000, '*'))),
              std::tuple(3, 0, 32767));
    std::string hidden;
    for (const char* text : {"Hello*01*02World", "*01Hi*02", "*01*02", "ab*c", "*0", "*ab*", "a*01",
                             "a*01*02", "ab*01cd*02*03ef*04", "ab"})
        hidden += HideControlCodes(text) + "|";
    EXPECT_EQ(hidden, "Hello\r\nWorld|Hi||ab|||a|a|ab\r\ncd\r\nef|ab|");

    // text, its codes as the game reads them, what it shows
    const std::vector<std::tuple<std::string, std::string, std::string>> spoken = {
        {"*00Hello*FL world*WT", "*00 *FL *WT", "Hello world"},
        {"*XY00(237,112)Hi*03", "*XY00(237,112) *03", "Hi"}, // a position takes 13 bytes
        {"Go*XY1(2,3)*04 on", "*XY1(2,3)*04 o", "Gon"},      // whatever they hold
        {"a*0", "*0", "a"},
        {"*03*FL  ", "*03 *FL", "  "},
        {"plain", "", "plain"}};
    for (const auto& [text, codes, shown] : spoken) {
        std::string found;
        for (std::string_view code : ControlCodesOf(text))
            found += (found.empty() ? "" : " ") + std::string(code);
        EXPECT_EQ(found + "|" + TextOutsideCodes(text), codes + "|" + shown) << text;
    }
    // Spaces show nothing either.
    std::string shows;
    for (const char* text : {"*FR", "*03*FL  ", " ", "", "*XY00(237,112)", "*00 a", "b*01", "*"})
        shows += HasTextOutsideCodes(text) ? '1' : '0';
    EXPECT_EQ(shows, "00000110");

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

    // Which messages come back exactly from their hidden form (the others are shown with
    // their codes): a code cut short or one that swallowed a letter does not.
    std::string exact;
    for (const auto& [message, original] :
         std::vector<std::pair<std::string, std::string>>{{"Hola*01Mundo", "Hello*01World"},
                                                          {"", "*01Hi"},
                                                          {"*01*02", "*01*02"},
                                                          {"Dis*00*4", "Say*00*04"},
                                                          {"*0Tengo", "*00I have"},
                                                          {"*01x", "*01*02"},
                                                          {"a  b", "a  b"}})
        exact += HidesExactly(message, original) ? "y" : "n";
    EXPECT_EQ(exact, "yyynnny");

    // Hidden forms of well-formed messages, generated, rebuild to themselves.
    std::mt19937 random(20240611u);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    // Bytes, or codes ("*" and two bytes): any byte but "*", CR and LF, spaces and high bytes
    // often.
    auto bytes = [&](int count, bool codes = false) {
        std::string s;
        for (int i = 0; i < count * (codes ? 3 : 1); ++i) {
            const char c =
                pick(0, 1) ? " a\t\x80\xFF"[pick(0, 4)] : static_cast<char>(pick(0, 255));
            s += codes && i % 3 == 0 ? '*' : c == '*' || c == '\r' || c == '\n' ? 'z' : c;
        }
        return s;
    };
    for (int i = 0; i < 5000; ++i) {
        // Codes before the first word, between the words and after the last one; a translation
        // puts new words between the same codes.
        std::string message = bytes(pick(0, 2), true), translated = message;
        for (int runs = pick(0, 4); runs >= 0; --runs) {
            const std::string after = bytes(runs > 0 ? pick(1, 3) : pick(0, 2), true);
            message += bytes(pick(1, 5)) + after;
            translated += bytes(pick(1, 5)) + after;
        }
        ASSERT_EQ(RebuildControlCodes(HideControlCodes(message), message, false), message);
        ASSERT_EQ(RebuildControlCodes(HideControlCodes(translated), message, false), translated);
    }
}

TEST(Validity, EachRuleMakesANewMessageInvalid) {
    // new message, original
    const std::vector<std::pair<std::string, std::string>> valid = {
        {"a**\t", "a**\t"},        {"", "Hello*01"},      {"Hi*01", "Yo*02"},
        {"\x80\xFF caf\xE9", "x"}, {"a*bc*de", "*01*02"}, {"a\x7F b~", "x"}};
    // new message, original, the words that say which rule it breaks
    const std::vector<std::array<std::string, 3>> invalid = {
        {"Hello*", "Hello", "two characters after"},
        {"Hello*0", "Hello*01", "two characters after"},
        {"*", "", "two characters after"},
        {"Hel*lo", "Hello", "1 * where the original has 0"},
        {"a**bc", "a*b*c", "two * stand together"},
        {"*a*bc", "x*y*z", "inside the control code"},
        {"Tab\there", "Tab", "control character"},
        {"Two\r\nlines", "Two", "control character"},
        {"Unit\x1Fsep", "Unit", "control character"},
        {"\x01", "", "control character"},
        {"\x1B[0m", "x", "control character"},
        {std::string("\0x", 2), "ab", "control character"}};
    for (const auto& [newMessage, original] : valid)
        EXPECT_EQ(NewMessageProblem(newMessage, original), "") << '"' << newMessage << '"';
    for (const auto& [newMessage, original, rule] : invalid)
        EXPECT_NE(NewMessageProblem(newMessage, original).find(rule), std::string::npos)
            << '"' << newMessage << "\": " << NewMessageProblem(newMessage, original);
}

TEST(Validity, ASpokenMessageHoldsOnlyCodesTheGameKnowsAndAnotherCodeIsAWarning) {
    // new message, original, problem, warning
    const std::vector<std::array<std::string, 4>> cases = {
        {"*0THola", "*00Hello", "unknown control code *0T", ""},
        {"*flHola", "*FLHello", "unknown control code *fl", ""},
        {"Hola*AB", "Hello*AB", "unknown control code *AB", ""},
        {"Hello*AB", "Hello*AB", "", ""}, // unchanged: valid as it is
        {"", "*00Hello", "", ""},
        {"Hola*0", "Hello*00", "a control code needs two characters after its *",
         ""}, // the rules of every kind first
        {"*04Hola", "*00Hello", "",
         "code 1 is *04 where the original has *00: the animation changes"},
        {"Hi*00 there*04", "Hello*00 world*00", "",
         "code 2 is *04 where the original has *00: the animation changes"},
        {"*FL*FR*FF*FB*AO*WT*GD*GM*99Hola", "*FL*FR*FF*FB*AO*WT*GD*GM*99Hello", "", ""},
        {"*XY00(237,112)Hola", "*XY00(237,112)Hello", "", ""},
        {"*XY01(128,112)Hola", "*XY00(237,112)Hello", "",
         "code 1 is *XY01(128,112) where the original has *XY00(237,112): the animation changes"},
        {"*XY0(237,112)Hola", "*XY00(237,112)Hello",
         "the control code *XY0(237,112)H is not of the form *XYnn(xxx,yyy)", ""},
        {"Hola*XY00(237,11)", "Hello*XY00(237,112)",
         "the control code *XY00(237,11) is not of the form *XYnn(xxx,yyy)", ""}};
    for (const auto& [newMessage, original, problem, warning] : cases) {
        const std::string found = SpokenMessageProblem(newMessage, original);
        EXPECT_EQ(found + "|" + (found.empty() ? CodeChangeWarning(newMessage, original) : ""),
                  problem + "|" + warning);
    }
}

} // namespace
} // namespace quillon
