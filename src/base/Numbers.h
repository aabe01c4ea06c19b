// Numbers read from text the way the editor has always read them: work files' line numbers
// and stored settings.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillon {

// A decimal digit, 0 to 9, whatever the locale.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading numeric value of a text: leading blanks skipped, an optional sign, digits and
// an optional fraction. An empty or non-numeric text is 0.
double LeadingNumber(std::string_view text);
// LeadingNumber rounded half to even into a 16-bit signed integer; 0 when out of range.
std::int16_t LeadingInt16(std::string_view text);

// The nearest whole number; ties go to the even neighbour, as the editor's integer
// conversion rounds (2.5 gives 2, 3.5 gives 4).
double RoundHalfToEven(double value);

} // namespace quillon
