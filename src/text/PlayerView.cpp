// The player's view: the game's layout of speech, dialogue options, the command line and the
// journal's labels, measured with the engine's fonts.
#include "text/PlayerView.h"

#include "text/GameFont.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr int kScreenWidth = 320;
constexpr int kSpeechMargin = 4;       // speech is kept this far from either edge
constexpr std::size_t kLineBytes = 20; // a line ends at the first space after this many bytes
constexpr int kMaxSpeechLines = 8;
constexpr std::size_t kMaxPieceBytes = 255;
constexpr int kOptionWidth = 302;    // the menu's text, left of the scroll arrows
constexpr int kOptionIndent = 24;    // where every line of an option but the first starts
constexpr int kMaxMenuLines = 4;     // the menu's rows
constexpr int kCommandLineFit = 318; // (320 - width) / 2 must stay above 0
constexpr int kJournalBox = 128;

std::string Px(int width) {
    return std::to_string(width) + " px";
}

// The sentence as far as the engine reads it: up to its first NUL.
std::string_view UpToNul(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// The lines setBobText makes of one piece, full stop included.
std::vector<std::string> SpeechLines(std::string_view text, bool fromTheEnd) {
    std::vector<std::string> lines;
    std::size_t length = 0;
    if (fromTheEnd) {
        for (std::size_t i = text.size(); i-- > 0;) {
            ++length;
            if ((length > kLineBytes && text[i] == ' ') || i == 0) {
                lines.emplace_back(text.substr(i, length));
                length = 0;
            }
        }
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            ++length;
            if ((length > kLineBytes && text[i] == ' ') || i + 1 == text.size()) {
                lines.emplace_back(text.substr(i + 1 - length, length));
                length = 0;
            }
        }
    }
    return lines;
}

class Layout {
public:
    Layout(char language, PlayerView& view)
        : font_(FontOfLanguage(language)), hebrew_(language == 'H'), english_(language == 'E'),
          view_(view) {}

    void Speech(std::string_view sentence);
    void Option(std::string_view line);
    void CommandName(std::string_view name, std::span<const SentenceFrame> sentences);
    void JournalLabel(std::string_view label);

private:
    int Width(std::string_view bytes) const { return TextWidth(font_, bytes); }
    void ShowPiece(std::string_view piece, int number, int count);
    std::vector<std::string> SplitOption(std::string_view option) const;
    std::vector<std::string> SplitOptionFromTheEnd(std::string_view option) const;

    GameFont font_;
    bool hebrew_;
    bool english_;
    PlayerView& view_;
};

struct Piece {
    std::string_view text;
    bool shown;
};

// The pieces of a spoken sentence, as Talk::speak cuts it: each "*" ends one, and the code
// after it says whether it is shown.
std::vector<Piece> PiecesOf(std::string_view sentence) {
    std::vector<Piece> pieces;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < sentence.size()) {
        if (sentence[i] != '*') {
            ++i;
            continue;
        }
        const std::string_view piece = sentence.substr(start, i - start);
        const std::string_view code = sentence.substr(i + 1, 2);
        i += 1 + (code == "XY" ? 13 : 2);
        // *WT: heard, not shown. *GD, *GM: Joe grabs; the piece is neither heard nor shown.
        pieces.push_back({piece, code != "WT" && code != "GD" && code != "GM"});
        start = i;
    }
    if (start < sentence.size()) pieces.push_back({sentence.substr(start), true});
    return pieces;
}

void Layout::Speech(std::string_view sentence) {
    const std::vector<Piece> pieces = PiecesOf(UpToNul(sentence));
    const int count = static_cast<int>(std::count_if(
        pieces.begin(), pieces.end(), [](const Piece& p) { return p.shown && !p.text.empty(); }));
    int number = 0;
    for (const Piece& piece : pieces) {
        if (piece.text.empty()) continue; // nothing to show or to hide
        if (!piece.shown) {
            view_.hiddenPieces.emplace_back(piece.text);
            continue;
        }
        if (!view_.lines.empty()) view_.lines.emplace_back();
        ShowPiece(piece.text, ++number, count);
    }
}

void Layout::ShowPiece(std::string_view piece, int number, int count) {
    const std::string where = count > 1 ? " in piece " + std::to_string(number) : "";
    std::string text(piece);
    // The engine compares a plain char: bytes 0x80 and up are negative and get no full stop.
    if (static_cast<signed char>(text.back()) >= 'A') text.push_back('.');
    if (text.size() > kMaxPieceBytes)
        view_.warnings.push_back(std::to_string(text.size()) + " bytes" + where +
                                 (text.size() > piece.size() ? " with the full stop" : "") +
                                 ": the game holds at most 255");
    const std::vector<std::string> lines = SpeechLines(text, hebrew_);
    if (lines.size() > static_cast<std::size_t>(kMaxSpeechLines))
        view_.warnings.push_back(std::to_string(lines.size()) + " lines" + where +
                                 ": the game shows at most 8");
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, Width(line));
    if (widest > kScreenWidth - kSpeechMargin)
        view_.warnings.push_back("a line" + where + " is " + Px(widest) +
                                 " wide: the screen holds 316");
    view_.lines.insert(view_.lines.end(), lines.begin(), lines.end());
}

// Talk::splitOptionDefault: words go on a line while the widths of the words and the spaces
// between them stay within its room; the first line has 302 px, the others 278.
std::vector<std::string> Layout::SplitOption(std::string_view option) const {
    std::vector<std::string> lines(1);
    int width = 0;
    int room = kOptionWidth;
    std::size_t start = 0;
    for (std::size_t space; (space = option.find(' ', start)) != std::string_view::npos;
         start = space + 1) {
        const std::string_view word = option.substr(start, space - start + 1); // with its space
        const int wordWidth = Width(word.substr(0, word.size() - 1));
        width += wordWidth;
        if (width > room) {
            lines.emplace_back(word);
            width = wordWidth;
            room = kOptionWidth - kOptionIndent;
        } else {
            lines.back() += word;
        }
        width += GlyphWidth(font_, ' ');
    }
    const std::string_view last = option.substr(start);
    if (!last.empty()) {
        if (width + Width(last) > room) lines.emplace_back();
        lines.back() += last;
    }
    return lines;
}

// Talk::splitOptionHebrew: the same from the end of the text, each word taken with the space
// before it (the first word with the one after it), so a line's width counts its spaces twice.
std::vector<std::string> Layout::SplitOptionFromTheEnd(std::string_view option) const {
    // The engine starts on the terminating NUL and may measure it with the first word.
    const std::string text = std::string(option) + '\0';
    auto piece = [&](std::size_t at, std::size_t length) {
        return std::string_view(text).substr(at, length);
    };
    auto shown = [&](std::size_t at, std::size_t length) {
        return std::string(option.substr(std::min(at, option.size()), length));
    };
    std::vector<std::string> lines(1);
    int width = 0;
    int room = kOptionWidth;
    long pos = static_cast<long>(option.size());
    std::size_t length = 0;
    while (true) {
        while (pos >= 0 && text[static_cast<std::size_t>(pos)] != ' ') {
            --pos;
            ++length;
        }
        if (pos < 0) break;
        const auto at = static_cast<std::size_t>(pos);
        const int wordWidth = Width(piece(at, length));
        width += wordWidth;
        if (width > room) {
            lines.push_back(shown(at, length));
            width = wordWidth;
            room = kOptionWidth - kOptionIndent;
        } else {
            lines.back() = shown(at, length) + lines.back();
        }
        --pos;
        length = 1;
        width += GlyphWidth(font_, ' ');
    }
    if (length > 1) {
        if (width + Width(piece(0, length)) > room) lines.emplace_back();
        lines.back() = shown(0, length) + lines.back();
    }
    return lines;
}

void Layout::Option(std::string_view line) {
    const std::string_view sentence = UpToNul(line);
    const std::string_view option = sentence.substr(0, sentence.find('*'));
    const int width = Width(option);
    if (english_ || width <= kOptionWidth) {
        view_.menuLines.emplace_back(option);
        if (width > kScreenWidth)
            view_.warnings.push_back("the option is " + Px(width) +
                                     " wide: the menu cuts it at 320");
    } else {
        view_.menuLines = hebrew_ ? SplitOptionFromTheEnd(option) : SplitOption(option);
        for (std::size_t i = 0; i < view_.menuLines.size(); ++i) {
            std::string_view shown = view_.menuLines[i];
            shown = shown.substr(0, shown.find_last_not_of(' ') + 1);
            const int room = i == 0 ? kOptionWidth : kOptionWidth - kOptionIndent;
            if (Width(shown) > room) {
                view_.warnings.push_back("a word does not fit the menu: line " +
                                         std::to_string(i + 1) + " is " + Px(Width(shown)) +
                                         " wide, at most " + Px(room));
                break;
            }
        }
        if (view_.menuLines.size() > static_cast<std::size_t>(kMaxMenuLines))
            view_.warnings.push_back(std::to_string(view_.menuLines.size()) +
                                     " lines in the menu: it shows at most 4");
    }
    Speech(line); // chosen, the whole line is spoken
}

void Layout::CommandName(std::string_view name, std::span<const SentenceFrame> sentences) {
    name = UpToNul(name);
    // Display::setTextCentered: a byte off each end while the text leaves no room to centre it.
    std::size_t start = 0;
    std::size_t length = name.size();
    while (length > 0 && (kScreenWidth - Width(name.substr(start, length))) / 2 <= 0) {
        ++start;
        length = length >= 2 ? length - 2 : 0;
    }
    view_.lines.emplace_back(name.substr(start, length));
    const int alone = Width(name);
    if (alone > kCommandLineFit) {
        view_.warnings.push_back(Px(alone) +
                                 " wide: the command line shows 318, the game drops a byte at "
                                 "each end");
        return;
    }
    std::string widest;
    int widestWidth = 0;
    for (const SentenceFrame& frame : sentences) {
        std::string sentence = frame.before + std::string(name) + frame.after;
        if (const int w = Width(sentence); w > widestWidth) {
            widestWidth = w;
            widest = std::move(sentence);
        }
    }
    if (widestWidth > kCommandLineFit)
        view_.warnings.push_back("\"" + widest + "\" is " + Px(widestWidth) +
                                 " wide: the command line shows 318, the game drops a byte at "
                                 "each end");
}

void Layout::JournalLabel(std::string_view label) {
    std::vector<std::string> words;
    label = UpToNul(label);
    for (std::size_t start = 0; start < label.size();) {
        const std::size_t space = std::min(label.find(' ', start), label.size());
        if (space > start) words.emplace_back(label.substr(start, space - start));
        start = space + 1;
    }
    // The engine draws the rest of a label first in Hebrew: the words go bottom to top.
    if (hebrew_) std::reverse(words.begin(), words.end());
    for (const std::string& word : words) {
        view_.lines.push_back(word);
        if (Width(word) > kJournalBox)
            view_.warnings.push_back("\"" + word + "\" is " + Px(Width(word)) +
                                     " wide: the journal's box holds 128");
    }
    if (words.size() > 2)
        view_.warnings.push_back(std::to_string(words.size()) +
                                 " words: the journal's box holds two, one above the other");
}

} // namespace

PlayerView LayOut(std::string_view bytes, ShownAs how, char language,
                  std::span<const SentenceFrame> sentences) {
    PlayerView view;
    Layout layout(language, view);
    switch (how) {
    case ShownAs::Nothing:
        break;
    case ShownAs::Speech:
        layout.Speech(bytes);
        break;
    case ShownAs::Option:
        layout.Option(bytes);
        break;
    case ShownAs::CommandName:
        layout.CommandName(bytes, sentences);
        break;
    case ShownAs::JournalLabel:
        layout.JournalLabel(bytes);
        break;
    }
    return view;
}

} // namespace quillon
