// Feeds arbitrary bytes to the conversions between UTF-8 and the game's font bytes, in every
// font, and to the work files' conversions; checks that each way round comes back.
#include "text/GameFont.h"
#include "work/Tmf.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace quillon;

namespace {

// Every byte of the text decodes to a character or to one refused byte, and never stalls.
void CheckDecoding(std::string_view text) {
    bool above = false;
    bool wellFormed = true;
    for (size_t pos = 0; pos < text.size();) {
        const size_t before = pos;
        const long ch = DecodeUtf8(text, pos);
        Check(pos > before && pos <= text.size(), "decoding moves on, within the text");
        Check(ch >= -1 && ch <= 0x10FFFF, "a decoded character is a code point");
        if (ch < 0) {
            Check(pos == before + 1, "bytes that are no UTF-8 are passed one at a time");
            wellFormed = false;
        } else {
            std::string again;
            AppendUtf8(again, static_cast<char32_t>(ch));
            Check(text.substr(before, pos - before) == again, "a character encodes as it was read");
            above = above || ch >= 0x80;
        }
    }
    Check(LooksLikeUtf8(text) == (wellFormed && above), "LooksLikeUtf8 agrees with decoding");
}

// The bytes draw the same letters: a byte without a letter is kept as it is.
bool SameLetters(GameFont font, std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && (LetterOf(font, x) == 0 || LetterOf(font, x) != LetterOf(font, y)))
            return false;
    }
    return true;
}

void CheckFont(GameFont font, std::string_view input) {
    for (const bool replace : {false, true}) {
        const Utf8ToGameResult bytes = Utf8ToGameBytes(font, input, replace);
        if (!replace) Check(bytes.replaced.empty(), "nothing is replaced unless asked");
        if (!bytes.Ok()) continue;
        const std::string text = GameBytesToUtf8(font, bytes.bytes);
        const Utf8ToGameResult back = Utf8ToGameBytes(font, text, false);
        Check(back.Ok(), "the font's own bytes convert back");
        Check(back.bytes == bytes.bytes, "converted text comes back to the same bytes");
    }

    // The input as the game's bytes: shown as UTF-8, which converts back to the same letters.
    const std::string shown = GameBytesToUtf8(font, input);
    CheckDecoding(shown);
    const Utf8ToGameResult back = Utf8ToGameBytes(font, shown, false);
    Check(back.Ok(), "shown bytes always convert back");
    Check(SameLetters(font, input, back.bytes), "shown bytes come back drawing the same letters");

    // The input as a work file, both ways.
    const TmfParseResult parsed = ParseTmf(input);
    for (const bool utf8 : {false, true}) {
        const TmfLettersResult letters = TmfInGameLetters(input, font, utf8, "F.tmf");
        if (!letters.error.empty()) {
            Check(letters.bytes.empty(), "a refused file gives no bytes");
            continue;
        }
        if (letters.note.empty()) Check(letters.bytes == input, "the game's bytes are kept");
        if (parsed.error.empty())
            Check(ParseTmf(letters.bytes).error.empty(), "a converted work file still parses");
    }
    const std::string asUtf8 = TmfAsUtf8(input, font);
    const TmfLettersResult again = TmfInGameLetters(asUtf8, font, true, "F.tmf");
    Check(again.error.empty(), "a work file written as UTF-8 reads back");
    if (parsed.error.empty())
        Check(ParseTmf(asUtf8).error.empty(), "a work file written as UTF-8 still parses");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckDecoding(input);
    for (const GameFont font : kAllGameFonts)
        CheckFont(font, input);
    return 0;
}
