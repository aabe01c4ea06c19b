// A cutscene file read into its message table, with a work file's new messages put into it.
#pragma once

#include "formats/CutFile.h"
#include "formats/MessageTable.h"

#include <filesystem>
#include <string>

namespace quillon::cli {

struct OpenedCut {
    std::filesystem::path path; // as the user gave it
    std::string fileName;       // without its folder: what a .TMF header must name
    CutLayout layout;
    MessageTable table;
};

// Reads the file and fills the table as the editor does on opening it. Returns one line naming
// the file and what is wrong, or an empty text.
std::string OpenCut(const std::filesystem::path& path, OpenedCut& cut);

// Puts the new messages of a .TMF into the table as the editor's "Load text file" does: a
// header naming another file is refused before anything changes. Returns one line naming the
// .TMF and what is wrong, or an empty text.
std::string LoadWorkFile(const std::filesystem::path& tmfPath, OpenedCut& cut);

// Both of the above, stopping at the first problem.
std::string OpenCutWithWorkFile(const std::filesystem::path& cutPath,
                                const std::filesystem::path& tmfPath, OpenedCut& cut);

} // namespace quillon::cli
