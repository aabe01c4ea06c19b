// Letter case in the game's file names, which are ASCII: only A-Z and a-z are folded, on every
// platform and in every locale.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringCase(std::string_view text, std::string_view ending);

} // namespace quillon
