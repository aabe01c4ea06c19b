// The game's letters: which letter each byte draws in each of the engine's fonts, how wide
// it is, and text in UTF-8 turned into those bytes and back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The engine's four fonts. The language letter of the game's version string picks one:
// Russian (R), Greek (g), Hebrew (H), the regular font for every other letter.
enum class GameFont { Regular, Russian, Greek, Hebrew };
inline constexpr GameFont kAllGameFonts[] = {GameFont::Regular, GameFont::Russian, GameFont::Greek,
                                             GameFont::Hebrew};

// "Regular", "Russian", "Greek", "Hebrew".
std::string_view GameFontName(GameFont font);
// The font the engine draws with for a language letter of the version string.
GameFont FontOfLanguage(char language);
// The language letter that picks a font: R, g, H, and E for the regular font.
char LanguageOfFont(GameFont font);

// The letter a byte draws, or 0 when the byte draws a placeholder, nothing at all, or a sign
// no character names.
char32_t LetterOf(GameFont font, unsigned char byte);
// The byte that draws a letter, or -1 when the font has none. A letter drawn by two bytes
// (the regular font has é at 0x82, its code page 437 place, and at 0xE9, its Latin-1 place)
// is written with the higher one, so Western letters keep the bytes Windows-1252 gives them.
int ByteOfLetter(GameFont font, char32_t letter);
// The width in pixels the engine advances for a byte.
int GlyphWidth(GameFont font, unsigned char byte);
int TextWidth(GameFont font, std::string_view bytes);

// How a byte is shown in text: its letter, or for a byte without one a stand-in of its own
// that no font draws, so it stays visible and maps back to the same byte: the control
// pictures (U+2400 on) below 0x20, U+2421 for 0x7F, a private-use character (U+F700 + byte)
// above. A tab stays a tab.
char32_t ShownOf(GameFont font, unsigned char byte);
// The byte of a shown character (a letter or a stand-in), or -1.
int ByteOfShown(GameFont font, char32_t shown);

// What a translator's word processor puts in for a plain sign the font has: ’ ‘ for ',
// “ ” for ", … for ..., – — for -. Empty for any other character.
std::string_view TypographicReplacement(char32_t ch);

// "“’” (U+2019)": how a character is named to the user.
std::string DescribeCodePoint(char32_t ch);

// Bytes as UTF-8 text, every byte through ShownOf.
std::string GameBytesToUtf8(GameFont font, std::string_view bytes);

struct Utf8ToGameResult {
    std::string bytes;
    // The characters the font cannot draw, in order of first appearance, each named as
    // DescribeCodePoint names it; bytes that are not UTF-8 at all are named too.
    std::vector<std::string> refused;
    // The typographic characters replaced, named the same way with their plain signs:
    // "“’” (U+2019) as '".
    std::vector<std::string> replaced;
    bool Ok() const { return refused.empty(); }
};
// Names as a list: "“ł” (U+0142), “@” (U+0040)".
std::string ListOfNames(const std::vector<std::string>& names);

// UTF-8 text as the bytes that draw it. With replaceTypographic, the characters of
// TypographicReplacement become their plain signs when the font lacks them.
Utf8ToGameResult Utf8ToGameBytes(GameFont font, std::string_view utf8, bool replaceTypographic);

// Decodes one UTF-8 character at pos and moves pos past it; -1 (and one byte on) when the
// bytes there are no UTF-8.
long DecodeUtf8(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t ch);
// Whether the text is well-formed UTF-8 with at least one character above ASCII.
bool LooksLikeUtf8(std::string_view text);

} // namespace quillon
