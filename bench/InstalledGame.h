// Where the benchmarks find the game: Debian's flight-of-the-amazon-queen, or the copy that
// QUILLON_GAME names.
#pragma once

#include <cstdlib>
#include <filesystem>

namespace quillon {

inline std::filesystem::path InstalledGame() {
    const char* named = std::getenv("QUILLON_GAME");
    return named ? std::filesystem::path(named)
                 : "/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c";
}

} // namespace quillon
