// gettext catalogues (.po, .pot) read and written through GNU gettext's own library,
// libgettextpo, so escaping, line wrapping and every flag are as gettext's tools have them.
#pragma once

#include "po/Catalogue.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quillon {

// One entry of a catalogue as read.
struct PoEntry {
    std::string context; // msgctxt; empty when there is none
    std::string id;
    std::string translation;
    bool fuzzy = false;
    bool obsolete = false; // "#~": kept by msgmerge for reference, no entry any more
};

struct PoReadResult {
    std::string error;            // one line naming the file; empty when ok
    std::string charset;          // of the header's Content-Type, as written; empty without one
    std::string gameLanguage;     // the header's X-Game-Language, as po export writes it
    std::vector<PoEntry> entries; // in file order, the header entry left out
};
PoReadResult ReadPoFile(const std::filesystem::path& path);

struct PoWriteResult {
    std::string error; // one line; empty when ok
    std::string bytes; // the whole catalogue
};
// The catalogue's text: a header entry (marked fuzzy when headerFuzzy, as a template's is),
// then every entry with its notes as extracted comments and its context as a reference.
PoWriteResult BuildPoFile(const std::string& header, bool headerFuzzy,
                          const std::vector<CatalogueEntry>& entries);

} // namespace quillon
