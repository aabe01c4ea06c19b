// Every kind of game text file the program knows, and reading a file by its name.
#pragma once

#include "document/TextFormat.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace quillon {

// The known formats, in the order they are tried.
const std::vector<const TextFormat*>& AllFormats();

enum class EndingCase {
    Any,  // "c12.cut" is a cutscene file, as Windows and the game's resource table see it
    Exact // only "C12.CUT": a listing on a disk that keeps letter case
};

// The format whose name pattern takes this file name; nullptr when none does.
const TextFormat* FormatForFile(std::string_view fileName, EndingCase match = EndingCase::Any);

// True for the name of a game text file of a known kind.
inline bool IsGameTextFile(std::string_view fileName, EndingCase match = EndingCase::Any) {
    return FormatForFile(fileName, match) != nullptr;
}

// The short word for a kind, the ending of its names: "CUT", "DOG", "JAS", "CRD".
std::string_view KindWord(const TextFormat& format);

// The file dialogs' filter: every kind of game text file at once, then one entry each.
std::string GameFilesDialogFilter();

// Reads a file from disk with the format its name says; a name no format takes is read by
// the first format, whose reader then says what the file is not.
ReadResult ReadGameFile(const std::filesystem::path& path);
// The same for bytes already in memory.
ReadResult ReadGameBytes(std::string_view bytes, std::string_view fileName,
                         const std::string& displayName);

} // namespace quillon
