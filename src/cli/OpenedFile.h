// A game text file read into a document, with a work file's new messages put into it.
#pragma once

#include "document/Document.h"
#include "text/GameFont.h"

#include <filesystem>
#include <string>

namespace quillon::cli {

struct OpenedFile {
    std::filesystem::path path; // as the user gave it
    std::string fileName;       // without its folder: what a .TMF header must name
    Document document;
    // How a work file's letters are read: the game's font, and whether the user said UTF-8
    // (a file in UTF-8 is recognised without it).
    GameFont font = GameFont::Regular;
    bool utf8 = false;
    std::string lettersNote; // how the work file was read, when it was read as UTF-8
};

// Reads the file as the editor does on opening it. Returns one line naming
// the file and what is wrong, or an empty text.
std::string OpenGameFile(const std::filesystem::path& path, OpenedFile& file);

// Puts the new messages of a .TMF into the document as the editor's "Load text file" does: a
// header naming another file is refused before anything changes. Returns one line naming the
// .TMF and what is wrong, or an empty text.
std::string LoadWorkFile(const std::filesystem::path& tmfPath, OpenedFile& file);

// Both of the above, stopping at the first problem.
std::string OpenWithWorkFile(const std::filesystem::path& gamePath,
                             const std::filesystem::path& tmfPath, OpenedFile& file);

} // namespace quillon::cli
