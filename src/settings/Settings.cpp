// Converting stored settings texts back to numbers and Booleans.
#include "settings/Settings.h"

#include "base/AsciiCase.h"
#include "base/Numbers.h"

#include <cmath>
#include <cstdio>

namespace quillon::settings {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::array<std::string, 28> AllValueNames() {
    std::array<std::string, 28> names{kLastDirectory, kHideControlCharacters, kHighlight,
                                      kAutoBackup,    kRememberLastDirectory, kConfirm,
                                      kAlwaysOnTop};
    std::size_t i = 7;
    for (const char* prefix : {kOriginalPrefix, kNewPrefix}) {
        for (const char* value : {kFont, kFontSize, kFontWeight, kItalic, kUnderline, kStrikeout,
                                  kFontScript, kFontColor, kBackgroundColor})
            names[i++] = BoxValue(prefix, value);
    }
    for (const char* window : {kWindowWidth, kWindowHeight, kWindowMaximized})
        names[i++] = window;
    return names;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits)
        value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    if (digits == 0 || i != text.size() || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    double rounded = RoundHalfToEven(*number);
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<bool> ParseBoolean(std::string_view text) {
    std::string_view word = TrimBlanks(text);
    if (EqualIgnoringCase(word, "True")) return true;
    if (EqualIgnoringCase(word, "False")) return false;
    auto number = ParseNumber(word);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::string NumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", RoundHalfToEven(value));
    std::string text = buffer;
    return text == "-0" ? "0" : text;
}

} // namespace quillon::settings
