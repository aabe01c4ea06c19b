// Every game text file of the whole game at once, read into documents: out of the game's
// resource file (queen.1c) in memory, or from a folder of unpacked files.
#pragma once

#include "document/Document.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillon {

struct GameText {
    std::string name;   // as the resource table or the folder spells it ("C1.CUT")
    std::string source; // the file's bytes, which a writer rebuilds the file from
    Document document;
};

struct GameTextsResult {
    std::string error; // one line naming the file; empty when ok
    std::vector<GameText> files;
};

// A folder gives its game text files in the order the editor lists them; a resource file gives
// the entries kept in it in its table's order (entries of other bundles are not in it). Any file
// that cannot be read as its kind stops the reading.
GameTextsResult ReadGameTexts(const std::filesystem::path& gameOrFolder);

} // namespace quillon
