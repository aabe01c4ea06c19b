// Takes entries out of a resource file: each becomes a file of its own name in a folder.
#pragma once

#include "res/ResourceFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillon {

struct UnpackOptions {
    bool all = false;   // every entry, not only the game text files (IsGameTextFile)
    bool force = false; // replace files that already exist in the folder
};

struct UnpackResult {
    std::string error;                // one line; empty when ok
    std::vector<std::string> written; // names of the files written, in table order
    std::vector<std::string> skipped; // chosen entries kept in another bundle: not in this file
};

// Writes the chosen entries of game into dir (created when missing), each under its name in
// the table: every game text file of a kind the formats know, or with all every entry. Everything
// that can be checked is checked before the first byte is written: the table, files already there
// (refused without force), folders in the way, the free space. The files are then written under
// temporary names and all reach the disk before the first takes its name; a failure until then
// leaves none of them, and dir is removed again when this call made it (folders made above it
// stay). A rename that fails after that leaves the files renamed before it in place.
UnpackResult Unpack(const std::filesystem::path& game, const std::filesystem::path& dir,
                    const UnpackOptions& options);

} // namespace quillon
