// Numbers read from text the way the editor has always read them back.
#include "base/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quillon {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The sign is taken here because from_chars refuses a leading '+'.
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    const std::size_t integerDigits = digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    const std::string_view number = text.substr(start, i - start);
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(
        number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge, unless the whole part is zero.
        const std::string_view whole = number.substr(0, integerDigits);
        value = whole.find_first_not_of('0') == std::string_view::npos
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::int16_t LeadingInt16(std::string_view text) {
    const double value = LeadingNumber(text);
    if (!std::isfinite(value)) return 0;
    const double rounded = RoundHalfToEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return static_cast<std::int16_t>(rounded);
}

double RoundHalfToEven(double value) {
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    return rounded;
}

} // namespace quillon
