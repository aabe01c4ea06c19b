// Byte <-> character conversion for the message boxes, with every byte kept.
#include "ui/CodePages.h"

#include <QList>

#include <algorithm>

namespace quillon::ui {
namespace {

constexpr char16_t kUndefined = 0xFFFF;
constexpr char16_t kControlPictures = 0x2400; // U+2400 SYMBOL FOR NULL and on
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kPrivateUse = 0xF700; // undefined bytes above 0x9F land at 0xF7A0..0xF7FF
constexpr unsigned char kCr = 13, kLf = 10, kTab = 9;

struct RawPage {
    int number;
    const char* name;
    std::array<char16_t, 256> chars;
};

const RawPage kRawPages[] = {
#include "ui/CodePageTables.inc"
};

char16_t ShownChar(unsigned char byte, char16_t defined) {
    if (byte == kTab) return u'\t';
    if (byte < 0x20) return static_cast<char16_t>(kControlPictures + byte);
    if (byte == 0x7F) return kDeletePicture;
    if (defined != kUndefined) return defined;
    // Windows itself shows an undefined byte of the 0x80..0x9F row as the C1 control of the
    // same number; the few undefined bytes above that row go to the private use area.
    if (byte < 0xA0) return byte;
    return static_cast<char16_t>(kPrivateUse + byte);
}

bool IsLineBreak(char16_t ch) {
    return ch == u'\n' || ch == u'\r' || ch == 0x2028 || ch == 0x2029;
}

// Appends the bytes of one character that the page lacks as it stands: the precomposed
// letter is split into its base and marks, and as many marks as possible are composed back
// into a letter the page has (Vietnamese keeps "ê" and adds the tone mark after it).
bool AppendDecomposed(QChar ch, const CodePage& page, std::string& out) {
    const QString parts = QString(ch).normalized(QString::NormalizationForm_D);
    if (parts.size() < 2 || parts.size() > 5) return false;
    const QChar base = parts.at(0);
    const QString marks = parts.mid(1);
    const int count = static_cast<int>(marks.size());
    std::array<int, 16> masks{};
    int maskCount = 0;
    for (int mask = (1 << count) - 1; mask >= 0; --mask)
        masks[maskCount++] = mask;
    // Compose the most marks first so the page's own precomposed letters win.
    std::stable_sort(masks.begin(), masks.begin() + maskCount, [](int a, int b) {
        return __builtin_popcount(static_cast<unsigned>(a)) >
               __builtin_popcount(static_cast<unsigned>(b));
    });
    for (int m = 0; m < maskCount; ++m) {
        const int mask = masks[m];
        QString head(base);
        for (int i = 0; i < count; ++i)
            if (mask & (1 << i)) head += marks.at(i);
        head = head.normalized(QString::NormalizationForm_C);
        if (head.size() != 1) continue;
        std::string bytes;
        const int first = page.ByteOf(head.at(0).unicode());
        if (first < 0) continue;
        bytes.push_back(static_cast<char>(first));
        bool ok = true;
        for (int i = 0; i < count && ok; ++i) {
            if (mask & (1 << i)) continue;
            const int b = page.ByteOf(marks.at(i).unicode());
            ok = b >= 0;
            if (ok) bytes.push_back(static_cast<char>(b));
        }
        if (!ok) continue;
        out += bytes;
        return true;
    }
    return false;
}

} // namespace

CodePage::CodePage(int number, const char* name, const std::array<char16_t, 256>& chars,
                   bool gameLetters)
    : number_(number), name_(name), gameLetters_(gameLetters) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        shown_[byte] = ShownChar(byte, chars[byte]);
        // A letter the game's font draws twice is typed as its higher byte, as the core
        // writes it.
        if (gameLetters_)
            bytes_.insert_or_assign(shown_[byte], byte);
        else
            bytes_.emplace(shown_[byte], byte);
    }
}

int CodePage::ByteOf(char16_t ch) const {
    // Printable ASCII is the same in every Windows page the editor offers (the game's fonts
    // draw other signs at some of its places).
    if (!gameLetters_ && ch >= 0x20 && ch < 0x7F) return ch;
    auto it = bytes_.find(ch);
    return it == bytes_.end() ? -1 : it->second;
}

const std::array<CodePage, 10>& AllCodePages() {
    static const std::array<CodePage, 10> pages = [] {
        auto make = [](int i) {
            return CodePage(kRawPages[i].number, kRawPages[i].name, kRawPages[i].chars);
        };
        return std::array<CodePage, 10>{make(0), make(1), make(2), make(3), make(4),
                                        make(5), make(6), make(7), make(8), make(9)};
    }();
    return pages;
}

const CodePage& GameLettersPage(GameFont font) {
    static const std::array<CodePage, 4> pages = [] {
        auto make = [](GameFont f, const char* name) {
            std::array<char16_t, 256> chars{};
            for (int b = 0; b < 256; ++b)
                chars[b] = static_cast<char16_t>(ShownOf(f, static_cast<unsigned char>(b)));
            return CodePage(kGameLettersScript + static_cast<int>(f), name, chars, true);
        };
        return std::array<CodePage, 4>{
            make(GameFont::Regular, "regular font"), make(GameFont::Russian, "Russian font"),
            make(GameFont::Greek, "Greek font"), make(GameFont::Hebrew, "Hebrew font")};
    }();
    return pages[static_cast<int>(font)];
}

FitResult FitToPage(QStringView text, const CodePage& page) {
    FitResult result;
    // Letters pasted as base and mark (as macOS writes them) are the page's letters too.
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    result.text.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar ch = composed.at(i);
        const QStringView one = QStringView(composed).mid(i, 1);
        if (!TextToBytes(one, page).ok) {
            const std::string_view plain = TypographicReplacement(ch.unicode());
            if (!plain.empty()) {
                result.text +=
                    QString::fromLatin1(plain.data(), static_cast<qsizetype>(plain.size()));
                const QString name =
                    DescribeCharacter(QString(ch)) + QStringLiteral(" as ") +
                    QString::fromLatin1(plain.data(), static_cast<qsizetype>(plain.size()));
                if (!result.replaced.contains(name)) result.replaced += name;
                continue;
            }
        }
        result.text += ch;
    }
    const EncodeResult encoded = TextToBytes(result.text, page);
    if (!encoded.ok) {
        result.ok = false;
        result.badCharacter = encoded.badCharacter;
    }
    return result;
}

ScriptCodePage CodePageForScript(int script) {
    if (script >= kGameLettersScript && script < kGameLettersScript + 4)
        return {&GameLettersPage(static_cast<GameFont>(script - kGameLettersScript)), false};
    int number = 0;
    switch (script) {
    case 0:
        number = 1252;
        break;
    case 238:
        number = 1250;
        break;
    case 204:
        number = 1251;
        break;
    case 161:
        number = 1253;
        break;
    case 162:
        number = 1254;
        break;
    case 177:
        number = 1255;
        break;
    case 178:
        number = 1256;
        break;
    case 186:
        number = 1257;
        break;
    case 163:
        number = 1258;
        break;
    case 222:
        number = 874;
        break;
    default:
        return {&AllCodePages()[0], true};
    }
    for (const auto& page : AllCodePages())
        if (page.Number() == number) return {&page, false};
    return {&AllCodePages()[0], true};
}

QString BytesToText(std::string_view bytes, const CodePage& page) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == kCr && i + 1 < bytes.size() &&
            static_cast<unsigned char>(bytes[i + 1]) == kLf) {
            text += u'\n';
            ++i;
            continue;
        }
        text += QChar(page.CharOf(byte));
    }
    return text;
}

EncodeResult TextToBytes(QStringView text, const CodePage& page) {
    EncodeResult result;
    result.bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (IsLineBreak(ch.unicode())) {
            // "\r\n" from a paste is one break, like the widget's own "\n".
            if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
            result.bytes += "\r\n";
            continue;
        }
        const int byte = page.ByteOf(ch.unicode());
        if (byte >= 0) {
            result.bytes.push_back(static_cast<char>(byte));
            continue;
        }
        if (!ch.isSurrogate() && AppendDecomposed(ch, page, result.bytes)) continue;
        result.ok = false;
        result.badPosition = static_cast<int>(i);
        const bool pair =
            ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        result.badCharacter = text.mid(i, pair ? 2 : 1).toString();
        result.bytes.clear();
        return result;
    }
    return result;
}

int TextPositionOf(std::string_view bytes, int bytePosition) {
    const int end = std::clamp(bytePosition, 0, static_cast<int>(bytes.size()));
    int text = 0;
    for (int i = 0; i < end; ++i) {
        if (bytes[static_cast<std::size_t>(i)] == '\r' && i + 1 < static_cast<int>(bytes.size()) &&
            bytes[static_cast<std::size_t>(i) + 1] == '\n') {
            if (i + 1 == end) return text; // between CR and LF
            ++i;
        }
        ++text;
    }
    return text;
}

int BytePositionOf(QStringView text, int textPosition, const CodePage& page) {
    const auto prefix = text.left(std::clamp(textPosition, 0, static_cast<int>(text.size())));
    auto encoded = TextToBytes(prefix, page);
    if (encoded.ok) return static_cast<int>(encoded.bytes.size());
    // Only a text that holds a refused character gets here; count one byte a character.
    int bytes = 0;
    for (QChar ch : prefix)
        bytes += ch == u'\n' ? 2 : 1;
    return bytes;
}

QString DescribeCharacter(const QString& character) {
    const auto codePoints = character.toUcs4();
    QString code =
        codePoints.isEmpty()
            ? QString()
            : QStringLiteral("U+%1").arg(codePoints.front(), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("\u201C%1\u201D (%2)").arg(character, code);
}

} // namespace quillon::ui
