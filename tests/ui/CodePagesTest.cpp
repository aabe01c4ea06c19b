// Code pages: every byte survives being shown and stored again, each script reads its own
// letters, and what a page cannot hold is refused rather than replaced.
#include "ui/CodePages.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon::ui {
namespace {

TEST(CodePages, EveryByteOfEveryPageSurvivesShowingAndStoring) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (const CodePage& page : AllCodePages()) {
        SCOPED_TRACE(page.Number());
        std::set<char16_t> shown;
        for (int b = 0; b < 256; ++b) {
            const std::string one(1, static_cast<char>(b));
            const QString text = BytesToText(one, page);
            ASSERT_EQ(text.size(), 1) << b;
            shown.insert(text.at(0).unicode());
            const EncodeResult back = TextToBytes(text, page);
            ASSERT_TRUE(back.ok) << b;
            EXPECT_EQ(back.bytes, one) << b;
        }
        EXPECT_EQ(shown.size(), 256u) << "two bytes share a character";
        // Together, with CR LF pairs among them, and in reverse order.
        std::string mixed = all + "\r\n\n\r" + std::string(all.rbegin(), all.rend()) + "\r";
        const EncodeResult back = TextToBytes(BytesToText(mixed, page), page);
        ASSERT_TRUE(back.ok);
        EXPECT_EQ(back.bytes, mixed);
    }
}

TEST(CodePages, EachScriptReadsItsOwnLetters) {
    struct Case {
        int script;
        int page;
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {
        {0, 1252, 0x80, 0x20AC},   {0, 1252, 0xE9, 0x00E9},   {238, 1250, 0x8A, 0x0160},
        {204, 1251, 0xC6, 0x0416}, {161, 1253, 0xC3, 0x0393}, {162, 1254, 0xF0, 0x011F},
        {177, 1255, 0xE0, 0x05D0}, {178, 1256, 0xC7, 0x0627}, {186, 1257, 0xE8, 0x010D},
        {163, 1258, 0xEC, 0x0301}, {222, 874, 0xA1, 0x0E01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const ScriptCodePage script = CodePageForScript(c.script);
        EXPECT_FALSE(script.fellBack);
        ASSERT_EQ(script.page->Number(), c.page);
        EXPECT_EQ(BytesToText(std::string(1, static_cast<char>(c.byte)), *script.page),
                  QString(QChar(c.character)));
        const EncodeResult typed = TextToBytes(QString(QChar(c.character)), *script.page);
        ASSERT_TRUE(typed.ok);
        EXPECT_EQ(typed.bytes, std::string(1, static_cast<char>(c.byte)));
    }
    for (int other : {1, 2, 77, 128, 134, 255, 100}) {
        const ScriptCodePage script = CodePageForScript(other);
        EXPECT_TRUE(script.fellBack) << other;
        EXPECT_EQ(script.page->Number(), 1252) << other;
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

TEST(CodePages, CharactersAPageLacksAreRefusedNotReplaced) {
    struct Case {
        int script;
        QString text;
        int badPosition;
    };
    const Case cases[] = {
        {0, QStringLiteral("ab\u0416c"), 2},      // Cyrillic in Western
        {161, QStringLiteral("\u0393\u00E9"), 1}, // é in Greek
        {204, QStringLiteral("x\U0001F600"), 1},  // an emoji anywhere
        {163, QStringLiteral("\u01CE"), 0},       // ǎ: Vietnamese has no caron
        {0, QStringLiteral("\u0065\u0301"), 1},   // a combining mark Western lacks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const EncodeResult result = TextToBytes(c.text, *CodePageForScript(c.script).page);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.badPosition, c.badPosition);
        EXPECT_TRUE(result.bytes.empty());
    }
    EXPECT_EQ(DescribeCharacter(QStringLiteral("\u0416")),
              QStringLiteral("\u201C\u0416\u201D (U+0416)"));
}

TEST(CodePages, VietnameseKeepsItsLettersAndAddsToneMarks) {
    const CodePage& vietnamese = *CodePageForScript(163).page;
    struct Case {
        QString typed;
        std::string bytes;
    };
    const Case cases[] = {
        {QStringLiteral("\u00EA"), "\xEA"},           // ê is a letter of the page
        {QStringLiteral("\u1EBF"), "\xEA\xEC"},       // ế: ê and the acute mark
        {QStringLiteral("\u1EC7"), "\xEA\xF2"},       // ệ: ê and the dot below
        {QStringLiteral("\u1EA1"), "a\xF2"},          // ạ: a and the dot below
        {QStringLiteral("\u00C0"), "\xC0"},           // À is precomposed in the page
        {QStringLiteral("Vi\u1EC7t"), "Vi\xEA\xF2t"}, // inside a word
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const EncodeResult result = TextToBytes(c.typed, vietnamese);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.bytes, c.bytes);
    }
    // The caret after a split letter counts both of its bytes.
    EXPECT_EQ(BytePositionOf(QStringLiteral("\u1EBFa"), 1, vietnamese), 2);
}

} // namespace
} // namespace quillon::ui
