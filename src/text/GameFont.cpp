// The game's fonts as tables of letters and widths, and the UTF-8 conversions built on them.
#include "text/GameFont.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

namespace quillon {
namespace {

struct Glyph {
    char32_t letter;
    int width;
};
using FontTable = std::array<Glyph, 256>;

const FontTable kFonts[] = {
#include "text/GameFontTables.inc"
};

constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;
constexpr char32_t kPrivateUse = 0xF700;
constexpr unsigned char kTab = 9;

const FontTable& Table(GameFont font) {
    return kFonts[static_cast<int>(font)];
}

// Shown character -> byte, per font; built once.
const std::unordered_map<char32_t, unsigned char>& ShownBytes(GameFont font) {
    static const auto maps = [] {
        std::array<std::unordered_map<char32_t, unsigned char>, 4> all;
        for (GameFont f : kAllGameFonts)
            // From the bottom up, so that a letter drawn twice keeps its higher byte.
            for (int byte = 0; byte < 256; ++byte)
                all[static_cast<int>(f)][ShownOf(f, static_cast<unsigned char>(byte))] =
                    static_cast<unsigned char>(byte);
        return all;
    }();
    return maps[static_cast<int>(font)];
}

void AddOnce(std::vector<std::string>& names, std::string name) {
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

} // namespace

std::string_view GameFontName(GameFont font) {
    switch (font) {
    case GameFont::Russian:
        return "Russian";
    case GameFont::Greek:
        return "Greek";
    case GameFont::Hebrew:
        return "Hebrew";
    case GameFont::Regular:
        break;
    }
    return "Regular";
}

GameFont FontOfLanguage(char language) {
    switch (language) {
    case 'R':
        return GameFont::Russian;
    case 'g':
        return GameFont::Greek;
    case 'H':
        return GameFont::Hebrew;
    default:
        return GameFont::Regular;
    }
}

char LanguageOfFont(GameFont font) {
    switch (font) {
    case GameFont::Russian:
        return 'R';
    case GameFont::Greek:
        return 'g';
    case GameFont::Hebrew:
        return 'H';
    case GameFont::Regular:
        break;
    }
    return 'E';
}

std::string ListOfNames(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names)
        out += (out.empty() ? "" : ", ") + name;
    return out;
}

char32_t LetterOf(GameFont font, unsigned char byte) {
    return Table(font)[byte].letter;
}

int ByteOfLetter(GameFont font, char32_t letter) {
    if (letter == 0) return -1;
    const int byte = ByteOfShown(font, letter);
    return byte >= 0 && LetterOf(font, static_cast<unsigned char>(byte)) == letter ? byte : -1;
}

int GlyphWidth(GameFont font, unsigned char byte) {
    return Table(font)[byte].width;
}

int TextWidth(GameFont font, std::string_view bytes) {
    int width = 0;
    for (char c : bytes)
        width += GlyphWidth(font, static_cast<unsigned char>(c));
    return width;
}

char32_t ShownOf(GameFont font, unsigned char byte) {
    if (const char32_t letter = LetterOf(font, byte)) return letter;
    if (byte == kTab) return U'\t';
    if (byte < 0x20) return kControlPictures + byte;
    if (byte == 0x7F) return kDeletePicture;
    return kPrivateUse + byte;
}

int ByteOfShown(GameFont font, char32_t shown) {
    const auto& bytes = ShownBytes(font);
    const auto it = bytes.find(shown);
    return it == bytes.end() ? -1 : it->second;
}

std::string_view TypographicReplacement(char32_t ch) {
    switch (ch) {
    case U'\u2018':
    case U'\u2019':
        return "'";
    case U'\u201C':
    case U'\u201D':
        return "\"";
    case U'\u2026':
        return "...";
    case U'\u2013':
    case U'\u2014':
        return "-";
    default:
        return {};
    }
}

std::string DescribeCodePoint(char32_t ch) {
    std::string out = "\xE2\x80\x9C"; // “
    AppendUtf8(out, ch);
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(ch));
    return out + "\xE2\x80\x9D" + code;
}

std::string GameBytesToUtf8(GameFont font, std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, ShownOf(font, static_cast<unsigned char>(c)));
    return out;
}

Utf8ToGameResult Utf8ToGameBytes(GameFont font, std::string_view utf8, bool replaceTypographic) {
    Utf8ToGameResult result;
    result.bytes.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        const long ch = DecodeUtf8(utf8, pos);
        if (ch < 0) {
            char name[48];
            std::snprintf(name, sizeof name, "the byte 0x%02X, which is not UTF-8",
                          static_cast<unsigned char>(utf8[start]));
            AddOnce(result.refused, name);
            continue;
        }
        const int byte = ByteOfShown(font, static_cast<char32_t>(ch));
        if (byte >= 0) {
            result.bytes.push_back(static_cast<char>(byte));
            continue;
        }
        const std::string_view plain = TypographicReplacement(static_cast<char32_t>(ch));
        if (replaceTypographic && !plain.empty()) {
            result.bytes += plain;
            AddOnce(result.replaced,
                    DescribeCodePoint(static_cast<char32_t>(ch)) + " as " + std::string(plain));
            continue;
        }
        AddOnce(result.refused, DescribeCodePoint(static_cast<char32_t>(ch)));
    }
    return result;
}

long DecodeUtf8(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int extra = 0;
    char32_t ch = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, ch = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, ch = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, ch = lead & 0x07;
    } else {
        ++pos;
        return -1;
    }
    if (text.size() - pos <= static_cast<size_t>(extra)) {
        ++pos;
        return -1;
    }
    for (int i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        ch = (ch << 6) | (byte(pos + i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (ch < least[extra] || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) {
        ++pos;
        return -1;
    }
    pos += extra + 1;
    return static_cast<long>(ch);
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

bool LooksLikeUtf8(std::string_view text) {
    bool above = false;
    for (size_t pos = 0; pos < text.size();) {
        const long ch = DecodeUtf8(text, pos);
        if (ch < 0) return false;
        above = above || ch >= 0x80;
    }
    return above;
}

} // namespace quillon
