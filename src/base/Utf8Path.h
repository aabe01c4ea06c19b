// Paths held as UTF-8 text, turned into the system's own form and back without a code page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon {

// Everywhere below the Qt windows a path in a std::string is UTF-8 (on Linux: the bytes the
// system gave). std::filesystem::path(std::string) and path::string() would go through the
// ANSI code page on Windows, losing every name it cannot hold ("Übersetzung" under a Greek
// code page), so every crossing between the two goes through these. Neither ever throws:
// on Windows a byte that is not UTF-8 becomes U+FFFD; elsewhere the bytes pass unchanged.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

} // namespace quillon
