// The "*" notation of control codes: counting them, hiding them while typing, putting them back.
#include "text/ControlCodes.h"

#include <algorithm>

namespace quillon {

namespace {

constexpr std::size_t kCodeSize = 3; // "*" and the two bytes it carries
// "*XY" and "nn(xxx,yyy)": the game moves the speaker, and skips the 11 bytes whatever they hold.
constexpr std::size_t kPositionCodeSize = 14;

bool StartsWithStar(std::string_view s) {
    return !s.empty() && s.front() == '*';
}
bool ThirdFromEndIsStar(std::string_view s) {
    return s.size() >= kCodeSize && s[s.size() - kCodeSize] == '*';
}

// The size of the code that starts at a "*", the end of the text aside.
std::size_t CodeSizeAt(std::string_view text, std::size_t star) {
    return text.substr(star + 1, 2) == "XY" ? kPositionCodeSize : kCodeSize;
}

// Calls code(at, size) for every control code and text(at, size) for every run of bytes between
// them, in order.
template <typename Code, typename Text>
void WalkCodes(std::string_view text, Code code, Text between) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t star = text.find('*', start);
        if (star == std::string_view::npos) break;
        if (star > start) between(start, star - start);
        const std::size_t size = std::min(CodeSizeAt(text, star), text.size() - star);
        code(star, size);
        start = star + size;
    }
    if (start < text.size()) between(start, text.size() - start);
}

} // namespace

std::vector<std::string_view> ControlCodesOf(std::string_view text) {
    std::vector<std::string_view> codes;
    WalkCodes(
        text, [&](std::size_t at, std::size_t size) { codes.push_back(text.substr(at, size)); },
        [](std::size_t, std::size_t) {});
    return codes;
}

std::string TextOutsideCodes(std::string_view text) {
    std::string shown;
    WalkCodes(
        text, [](std::size_t, std::size_t) {},
        [&](std::size_t at, std::size_t size) { shown.append(text.substr(at, size)); });
    return shown;
}

bool HasTextOutsideCodes(std::string_view text) {
    // Asked of every message on every keystroke (the blank count): a scan, no copy.
    bool shows = false;
    WalkCodes(
        text, [](std::size_t, std::size_t) {},
        [&](std::size_t at, std::size_t size) {
            shows = shows || text.substr(at, size).find_first_not_of(' ') != std::string::npos;
        });
    return shows;
}

std::int16_t CountControlChars(std::string_view text) {
    const auto stars = std::count(text.begin(), text.end(), '*');
    // The labels hold a 16-bit count; a longer run of stars than that only shows the maximum.
    return static_cast<std::int16_t>(std::min<std::ptrdiff_t>(stars, 32767));
}

std::string HideControlCodes(std::string_view text) {
    std::string_view s = text;
    while (StartsWithStar(s))
        s.remove_prefix(std::min(kCodeSize, s.size()));
    if (s.size() > 2) {
        while (ThirdFromEndIsStar(s)) {
            s.remove_suffix(kCodeSize);
            if (s.size() < kCodeSize) return std::string(s);
        }
    }
    std::string hidden;
    hidden.reserve(s.size());
    bool afterCode = false;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '*') {
            afterCode = true;
            i += kCodeSize;
            continue;
        }
        if (afterCode) hidden += kCrLf;
        afterCode = false;
        hidden += s[i++];
    }
    return hidden;
}

std::string HiddenBoxText(std::string_view message, std::string_view original) {
    if (HideControlCodes(original).empty()) return "*";
    return HideControlCodes(message);
}

bool HidesExactly(std::string_view message, std::string_view original) {
    if (message.empty()) return true;
    const bool placeholder = HideControlCodes(original).empty();
    return RebuildControlCodes(HiddenBoxText(message, original), original, placeholder) == message;
}

std::string RebuildControlCodes(std::string_view edited, std::string_view original,
                                bool originalShowsPlaceholder) {
    if (originalShowsPlaceholder) return std::string(original);
    std::string_view trimmed = edited;
    if (trimmed.empty()) return {};
    if (trimmed == kCrLf) trimmed = {};
    if (trimmed.size() > 1) {
        while (trimmed.starts_with(kCrLf))
            trimmed.remove_prefix(2);
        while (trimmed.ends_with(kCrLf))
            trimmed.remove_suffix(2);
    }

    // Each line break becomes CR LF LF: the three bytes that an inner run later replaces.
    std::string s;
    s.reserve(trimmed.size() * 3 / 2 + 1);
    for (std::size_t i = 0; i + 1 < trimmed.size(); ++i) {
        if (trimmed[i] == '\r' && trimmed[i + 1] == '\n')
            s += kCrLf;
        else
            s += trimmed[i];
    }
    if (!trimmed.empty()) s += trimmed.back();

    if (original.size() < kCodeSize) return s;

    std::string_view t = original;
    std::string prefix;
    while (StartsWithStar(t)) {
        const std::size_t take = std::min(kCodeSize, t.size());
        prefix.append(t.substr(0, take));
        t.remove_prefix(take);
    }
    std::string suffix;
    while (ThirdFromEndIsStar(t)) {
        suffix.insert(0, t.substr(t.size() - kCodeSize));
        t.remove_suffix(kCodeSize);
    }
    s = prefix + s + suffix;

    long k = t.size() >= 2 ? std::count(t.begin(), t.end() - 2, '*') : 0;
    // A "*" inside another code's two bytes is counted but never taken as a code of its own,
    // so the runs are over as soon as no "*" is left to take.
    while (k >= 1 && t.find('*') != std::string_view::npos) {
        while (t.size() >= 2 && !StartsWithStar(t))
            t.remove_prefix(1);
        std::string run;
        while (StartsWithStar(t)) {
            const std::size_t take = std::min(kCodeSize, t.size());
            run.append(t.substr(0, take));
            t.remove_prefix(take);
            --k;
        }
        const std::size_t at = s.find(kCrLf);
        if (at != std::string::npos) s.replace(at, std::min(kCodeSize, s.size() - at), run);
    }
    return s;
}

} // namespace quillon
