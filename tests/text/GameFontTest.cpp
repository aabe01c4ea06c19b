// The game's fonts: every byte to the letter it draws and back, the widths the engine lays
// text out with, and UTF-8 text through them.
#include "text/GameFont.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace quillon {
namespace {

std::string Utf8(char32_t ch) {
    std::string out;
    AppendUtf8(out, ch);
    return out;
}

TEST(GameFont, EveryByteOfEveryFontComesBackFromWhatItShows) {
    for (GameFont font : kAllGameFonts) {
        // A letter drawn by two bytes comes back as the higher one; any other byte, and every
        // byte without a letter, comes back as itself.
        std::map<char32_t, int> lastByte;
        for (int byte = 0; byte < 256; ++byte)
            lastByte[ShownOf(font, static_cast<unsigned char>(byte))] = byte;
        for (int byte = 0; byte < 256; ++byte) {
            const auto b = static_cast<unsigned char>(byte);
            const char32_t shown = ShownOf(font, b);
            EXPECT_EQ(ByteOfShown(font, shown), lastByte[shown])
                << GameFontName(font) << " " << byte;
            if (LetterOf(font, b) == 0) {
                EXPECT_EQ(ByteOfLetter(font, shown), -1) << GameFontName(font) << " " << byte;
                EXPECT_TRUE(shown == U'\t' || (shown >= 0x2400 && shown <= 0x2421) ||
                            (shown >= 0xF780 && shown <= 0xF7FF))
                    << GameFontName(font) << " " << byte << " shows as a letter";
            }
        }
        // Each letter and stand-in of the whole font as UTF-8 and back, in one text.
        std::string all;
        for (int byte = 0; byte < 256; ++byte)
            all.push_back(static_cast<char>(byte));
        const Utf8ToGameResult back = Utf8ToGameBytes(font, GameBytesToUtf8(font, all), false);
        ASSERT_TRUE(back.Ok()) << GameFontName(font);
        for (int byte = 0; byte < 256; ++byte)
            EXPECT_EQ(static_cast<unsigned char>(back.bytes[byte]),
                      ByteOfShown(font, ShownOf(font, static_cast<unsigned char>(byte))));
    }
}

TEST(GameFont, BytesDrawTheLettersAndWidthsOfTheEnginesFonts) {
    using F = GameFont;
    // font, byte, letter it draws (0: none), width
    const std::vector<std::tuple<F, int, char32_t, int>> facts = {
        {F::Regular, 0x20, U' ', 4}, {F::Regular, 'i', U'i', 3},  {F::Regular, 'l', U'l', 3},
        {F::Regular, 'W', U'W', 8},  {F::Regular, 0x5E, U'™', 8}, {F::Regular, 0x40, U'♥', 8},
        {F::Regular, 0x7C, U'¦', 3}, {F::Regular, 0x81, U'ü', 8}, {F::Regular, 0x82, U'é', 8},
        {F::Regular, 0x84, 0, 2},    {F::Regular, 0x85, U'à', 8}, {F::Regular, 0x92, 0, 2},
        {F::Regular, 0x93, U'ô', 8}, {F::Regular, 0x9F, 0, 2},    {F::Regular, 0xA1, U'í', 7},
        {F::Regular, 0xA4, U'ñ', 9}, {F::Regular, 0xA8, U'¿', 8}, {F::Regular, 0xAD, U'¡', 3},
        {F::Regular, 0xE9, U'é', 8}, {F::Regular, 0xFF, U'ÿ', 8}, {F::Regular, 0x01, 0, 6},
        {F::Russian, 0x80, U'А', 8}, {F::Russian, 0xA0, U'а', 8}, {F::Russian, 0xE0, U'р', 8},
        {F::Russian, 0xF1, U'ё', 8}, {F::Russian, 0xF8, 0, 8},    {F::Russian, 0x40, U'@', 9},
        {F::Greek, 0x80, U'€', 7},   {F::Greek, 0x92, U'’', 5},   {F::Greek, 0xC1, U'Α', 8},
        {F::Greek, 0xA2, U'Ά', 9},   {F::Greek, 0xD2, 0, 7},      {F::Hebrew, 0x80, U'א', 8},
        {F::Hebrew, 0x9A, U'ת', 9},  {F::Hebrew, 0xA1, U'¡', 6},  {F::Hebrew, 0xA0, 0, 2}};
    for (const auto& [font, byte, letter, width] : facts) {
        const auto b = static_cast<unsigned char>(byte);
        EXPECT_EQ(std::tuple(LetterOf(font, b), GlyphWidth(font, b)), std::tuple(letter, width))
            << GameFontName(font) << " " << byte;
    }
    // A Windows-1252 "¡" (0xA1) draws "í": the letter has its own byte.
    EXPECT_EQ(ByteOfLetter(F::Regular, U'¡'), 0xAD);
    EXPECT_EQ(ByteOfLetter(F::Regular, U'é'), 0xE9);
    EXPECT_EQ(ByteOfLetter(F::Regular, U'¿'), 0xBF);
    EXPECT_EQ(ByteOfLetter(F::Regular, U'@'), -1);
    EXPECT_EQ(ByteOfLetter(F::Regular, U'ł'), -1);
    EXPECT_EQ(TextWidth(F::Regular, "Hi there"), 7 + 3 + 4 + 7 + 7 + 7 + 7 + 7);
    EXPECT_EQ(std::tuple(FontOfLanguage('R'), FontOfLanguage('g'), FontOfLanguage('H'),
                         FontOfLanguage('S'), FontOfLanguage('E')),
              std::tuple(F::Russian, F::Greek, F::Hebrew, F::Regular, F::Regular));
}

TEST(GameFont, Utf8TextBecomesTheBytesThatDrawItOrNamesWhatCannot) {
    const std::string spanish = "¡Sabes cómo hacer… “esto”? ¿Sí – no’";
    const Utf8ToGameResult replaced = Utf8ToGameBytes(GameFont::Regular, spanish, true);
    EXPECT_TRUE(replaced.Ok());
    // ¡ has its code page 437 place only; ó, ¿ and í are written at their Latin-1 places.
    EXPECT_EQ(replaced.bytes, "\xAD"
                              "Sabes c\xF3mo hacer... \"esto\"? \xBFS\xED - no'");
    EXPECT_EQ(replaced.replaced, (std::vector<std::string>{DescribeCodePoint(U'…') + " as ...",
                                                           DescribeCodePoint(U'“') + " as \"",
                                                           DescribeCodePoint(U'”') + " as \"",
                                                           DescribeCodePoint(U'–') + " as -",
                                                           DescribeCodePoint(U'’') + " as '"}));
    EXPECT_EQ(DescribeCodePoint(U'’'), "“’” (U+2019)");

    // Without replacing, and in fonts that lack the letters.
    const Utf8ToGameResult refused = Utf8ToGameBytes(GameFont::Regular, spanish + "ł@", false);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.refused.size(), 7u); // … “ ” – ’ ł @
    EXPECT_EQ(refused.refused.back(), DescribeCodePoint(U'@'));
    // The Greek font draws ’ itself, so it is kept.
    EXPECT_EQ(Utf8ToGameBytes(GameFont::Greek, "’Α", true).bytes, "\x92\xC1");
    EXPECT_EQ(Utf8ToGameBytes(GameFont::Russian, "Привет", false).bytes,
              "\x8F\xE0\xA8\xA2\xA5\xE2");

    // Bytes that are no UTF-8: a Windows-1252 "Sólo", a cut sequence, an overlong '/',
    // a surrogate, past U+10FFFF.
    for (const std::string bad :
         {"S\xF3lo", "ab\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        const Utf8ToGameResult r = Utf8ToGameBytes(GameFont::Regular, bad, false);
        EXPECT_FALSE(r.Ok()) << bad;
        EXPECT_NE(r.refused.front().find("not UTF-8"), std::string::npos) << bad;
        EXPECT_FALSE(LooksLikeUtf8(bad));
    }
    EXPECT_TRUE(LooksLikeUtf8("S\xC3\xB3lo"));
    EXPECT_FALSE(LooksLikeUtf8("plain ASCII"));
    EXPECT_EQ(Utf8(U'\U0001F600').size(), 4u);
    size_t pos = 0;
    EXPECT_EQ(DecodeUtf8(Utf8(U'\U0001F600'), pos), 0x1F600);
}

} // namespace
} // namespace quillon
