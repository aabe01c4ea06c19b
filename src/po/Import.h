// A translated catalogue put back into the game's documents: each entry checked against the
// message its context names and against the rules the editor and 'check' apply.
#pragma once

#include "po/GameTexts.h"
#include "po/PoFile.h"
#include "text/GameFont.h"

#include <string>
#include <vector>

namespace quillon {

struct ImportOptions {
    GameFont font = GameFont::Regular;
    bool force = false; // keep the files whose translations break a rule
    bool fuzzy = false; // take fuzzy entries too
};

struct FileImport {
    int taken = 0;   // translations put into the document
    int invalid = 0; // translations refused by a rule
    bool Writable(bool force) const { return taken > 0 && (invalid == 0 || force); }
};

struct ImportReport {
    // "C1.CUT:12: reason": every entry refused (stale, invalid, letters the font lacks) or left
    // out (fuzzy), and what was replaced, in catalogue order.
    std::vector<std::string> lines;
    std::vector<FileImport> files; // one per game file, in the same order
    int taken = 0;
    int stale = 0;
    int invalid = 0; // translations refused by a rule
    int dropped = 0; // of those, the ones left out even with force: letters, nothing shown
    int fuzzy = 0;
};

// Every message that goes into the catalogue starts as its original, so that untranslated
// messages stay as they are; then each translated entry is put in, unless it is obsolete,
// names no catalogued message (stale), has an original other than the game's (stale), is fuzzy
// (without options.fuzzy), holds letters the font lacks, shows no text where the original does,
// or breaks a rule of its kind. An entry refused for its letters or for showing nothing leaves
// the original in place; one that breaks a rule is kept, so that options.force can write it.
// Last, each file with translations is checked whole as writing it would check it.
ImportReport ImportCatalogue(std::vector<GameText>& files, const std::vector<PoEntry>& entries,
                             const ImportOptions& options);

} // namespace quillon
