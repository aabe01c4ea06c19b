// The code pages of the message boxes: a script's Windows code page turns the table's bytes
// into the characters a widget shows and typed characters back into bytes, losing no byte.
#pragma once

#include "text/GameFont.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillon::ui {

class CodePage {
public:
    CodePage(int number, const char* name, const std::array<char16_t, 256>& chars,
             bool gameLetters = false);

    int Number() const { return number_; }
    // Whether the page is one of the game's fonts rather than a Windows code page.
    bool IsGameLetters() const { return gameLetters_; }
    QString Name() const { return QString::fromLatin1(name_); }
    // The character a box shows for a byte. Control bytes show as their control pictures
    // (a tab stays a tab), so they stay visible and cannot be taken for a line break; bytes
    // the page leaves undefined get code points of their own.
    char16_t CharOf(unsigned char byte) const { return shown_[byte]; }
    // The byte of a shown character, or -1 when the page has none.
    int ByteOf(char16_t ch) const;

private:
    int number_;
    const char* name_;
    bool gameLetters_ = false;
    std::array<char16_t, 256> shown_{};
    std::unordered_map<char16_t, unsigned char> bytes_;
};

struct ScriptCodePage {
    const CodePage* page = nullptr;
    bool fellBack = false; // the script has no code page here, so Western is used
};
// The game's own letters: one script number for each of its fonts, from a range no Windows
// character set uses.
inline constexpr int kGameLettersScript = 250; // then Russian 251, Greek 252, Hebrew 253
const CodePage& GameLettersPage(GameFont font);

// The code page of a script (character-set) number: 250 to 253 the game's letters, 0 Western 1252,
// 238 Central European 1250, 204 Cyrillic 1251, 161 Greek 1253, 162 Turkish 1254, 177 Hebrew 1255,
// 178 Arabic 1256, 186 Baltic 1257, 163 Vietnamese 1258, 222 Thai 874; any other falls back to
// Western.
ScriptCodePage CodePageForScript(int script);
// Every code page the editor knows, Western first.
const std::array<CodePage, 10>& AllCodePages();

// The bytes as a box shows them: CR LF becomes one line break, everything else one character.
QString BytesToText(std::string_view bytes, const CodePage& page);

struct EncodeResult {
    bool ok = true;
    std::string bytes;
    int badPosition = -1; // where the first character the page cannot hold stands
    QString badCharacter;
};
// The bytes of a box's text. A precomposed character the page lacks is stored as its base
// letter and combining marks when the page has those (Vietnamese), never replaced by
// something else: a character that cannot be stored makes the whole text fail.
EncodeResult TextToBytes(QStringView text, const CodePage& page);

struct FitResult {
    bool ok = true;
    QString text;         // what goes into the box
    QString badCharacter; // the first character the page cannot hold, when not ok
    QStringList replaced; // each typographic character replaced, once: "“’” (U+2019) as '"
};
// Text to be typed or pasted, as the page can hold it: a typographic character the page lacks
// (curly quotes, the ellipsis, dashes) becomes its plain sign, any other character it lacks
// refuses the whole text.
FitResult FitToPage(QStringView text, const CodePage& page);

// Caret positions: a position in the shown text of bytes, and back. A byte position between
// the CR and the LF of a line break maps to the break itself.
int TextPositionOf(std::string_view bytes, int bytePosition);
int BytePositionOf(QStringView text, int textPosition, const CodePage& page);

// "“Ж” (U+0416)": how a refused character is named to the user.
QString DescribeCharacter(const QString& character);

} // namespace quillon::ui
