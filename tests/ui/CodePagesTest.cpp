// Code pages: every byte survives being shown and stored again, each script reads its own
// letters, and what a page cannot hold is refused rather than replaced.
#include "ui/CodePages.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace quillon::ui {
namespace {

TEST(CodePages, EveryByteOfEveryPageSurvivesShowingAndStoring) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (const CodePage& page : AllCodePages()) {
        SCOPED_TRACE(page.Number());
        std::set<char16_t> shown;
        for (char byte : all) {
            const QString text = BytesToText(std::string(1, byte), page);
            ASSERT_EQ(text.size(), 1) << int(byte);
            shown.insert(text.at(0).unicode());
            EXPECT_EQ(TextToBytes(text, page).bytes, std::string(1, byte)) << int(byte);
        }
        EXPECT_EQ(shown.size(), 256u) << "two bytes share a character";
        // Together, with CR LF pairs among them, and in reverse order.
        std::string mixed = all + "\r\n\n\r" + std::string(all.rbegin(), all.rend()) + "\r";
        EXPECT_EQ(TextToBytes(BytesToText(mixed, page), page).bytes, mixed);
    }
}

TEST(CodePages, EachScriptReadsItsOwnLetters) {
    // script, its page, a byte of the page and the letter it stands for
    const std::tuple<int, int, unsigned char, char16_t> cases[] = {
        {0, 1252, 0x80, 0x20AC},   {0, 1252, 0xE9, 0x00E9},   {238, 1250, 0x8A, 0x0160},
        {204, 1251, 0xC6, 0x0416}, {161, 1253, 0xC3, 0x0393}, {162, 1254, 0xF0, 0x011F},
        {177, 1255, 0xE0, 0x05D0}, {178, 1256, 0xC7, 0x0627}, {186, 1257, 0xE8, 0x010D},
        {163, 1258, 0xEC, 0x0301}, {222, 874, 0xA1, 0x0E01},
    };
    for (const auto& [number, pageNumber, byte, letter] : cases) {
        const ScriptCodePage script = CodePageForScript(number);
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(script.fellBack ? 0 : script.page->Number(), pageNumber) << number;
        EXPECT_EQ(BytesToText(bytes, *script.page), QString(QChar(letter))) << number;
        EXPECT_EQ(TextToBytes(QString(QChar(letter)), *script.page).bytes, bytes) << number;
    }
    for (int other : {1, 2, 77, 128, 134, 255, 100}) {
        const ScriptCodePage script = CodePageForScript(other);
        EXPECT_EQ(script.fellBack ? script.page->Number() : 0, 1252) << other;
    }
}

TEST(CodePages, LineBreaksAndControlBytesStayApart) {
    const CodePage& western = *CodePageForScript(0).page;
    // A CR LF pair is one line break; a lone CR or LF and other control bytes stay visible.
    EXPECT_EQ(BytesToText("a\r\nb", western), QStringLiteral("a\nb"));
    EXPECT_EQ(BytesToText("a\rb\nc\td", western), QStringLiteral("a\u240Db\u240Ac\td"));
    EXPECT_EQ(BytesToText(std::string("\0\x7F", 2), western), QStringLiteral("\u2400\u2421"));
    // What a paste brings as CR LF, CR or a paragraph separator is a line break too.
    EXPECT_EQ(TextToBytes(QStringLiteral("a\r\nb\u2029c"), western).bytes, "a\r\nb\r\nc");
    // Caret positions across a line break: byte 3 is after "a", CR, LF.
    EXPECT_EQ(TextPositionOf("a\r\nb", 3), 2);
    EXPECT_EQ(TextPositionOf("a\r\nb", 2), 1); // between CR and LF
    EXPECT_EQ(BytePositionOf(QStringLiteral("a\nb"), 2, western), 3);
}

// Vietnamese splits a toned letter into its letter and mark; what a page cannot hold is
// refused whole, at its place, rather than replaced.
TEST(CodePages, TypedTextBecomesThePagesBytesOrIsRefused) {
    // script, typed text, its bytes and where it is refused (-1: it is not)
    const std::tuple<int, QString, std::string, int> cases[] = {
        {163, QStringLiteral("\u00EA\u00C0"), "\xEA\xC0", -1}, // ê and À are letters of the page
        {163, QStringLiteral("\u1EBF"), "\xEA\xEC", -1},       // ế: ê and the acute mark
        {163, QStringLiteral("\u1EA1"), "a\xF2", -1},          // ạ: a and the dot below
        {163, QStringLiteral("Vi\u1EC7t"), "Vi\xEA\xF2t", -1}, // ệ inside a word
        {163, QStringLiteral("\u01CE"), "", 0},                // ǎ: Vietnamese has no caron
        {0, QStringLiteral("ab\u0416c"), "", 2},               // Cyrillic in Western
        {161, QStringLiteral("\u0393\u00E9"), "", 1},          // é in Greek
        {204, QStringLiteral("x\U0001F600"), "", 1},           // an emoji anywhere
        {0, QStringLiteral("\u0065\u0301"), "", 1},            // a combining mark Western lacks
    };
    for (const auto& [script, typed, bytes, refusedAt] : cases) {
        const EncodeResult result = TextToBytes(typed, *CodePageForScript(script).page);
        EXPECT_EQ(result.bytes, bytes) << typed.toStdString();
        EXPECT_EQ(result.ok ? -1 : result.badPosition, refusedAt) << typed.toStdString();
    }
    // The caret after a split letter counts both of its bytes.
    EXPECT_EQ(BytePositionOf(QStringLiteral("\u1EBFa"), 1, *CodePageForScript(163).page), 2);
}

} // namespace
} // namespace quillon::ui
