// Takes entries out of a resource file: each becomes a file of its own name in a folder.
#pragma once

#include "res/ResourceFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillon {

struct UnpackOptions {
    bool all = false;   // every entry, not only the cutscene files (.CUT)
    bool force = false; // replace files that already exist in the folder
};

struct UnpackResult {
    std::string error;                // one line; empty when ok
    std::vector<std::string> written; // names of the files written, in table order
    std::vector<std::string> skipped; // entries kept in another bundle: not in this file
};

// Writes the chosen entries of game into dir (created when missing), each under its name in
// the table. Everything that can be checked is checked before the first byte is written: the
// table, files already there (refused without force), folders in the way, the free space.
// The files are then written side by side and take their names together; on a failure none
// does, and a folder made for them is removed again.
UnpackResult Unpack(const std::filesystem::path& game, const std::filesystem::path& dir,
                    const UnpackOptions& options);

} // namespace quillon
