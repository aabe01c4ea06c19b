// "pack": a new resource file in which the entries named by the files of a folder are replaced,
// and on request the game's language letter.
#include "cli/Cli.h"
#include "cli/Commands.h"

#include "base/Utf8Path.h"
#include "res/Pack.h"

#include <string>
#include <vector>

namespace quillon::cli {

namespace {

// What the engine does differently for a language letter, one short line each.
std::vector<std::string> WhatTheLanguageChanges(char letter) {
    std::vector<std::string> lines;
    lines.push_back(letter == 'R'   ? "font: Russian"
                    : letter == 'g' ? "font: Greek"
                    : letter == 'H' ? "font: Hebrew"
                                    : "font: the regular one");
    lines.push_back(
        letter == 'E' ? "dialogue options: one line each, cut at the screen's edge"
                      : "dialogue options: wider than 302 px split on several lines, with arrows");
    // The keys for open, close, move, give, look at, pick up, talk to, use.
    lines.push_back(std::string("verb keys: ") + (letter == 'G'   ? "o s b g p n r e (German)"
                                                  : letter == 'F' ? "o f d n e p a u (French)"
                                                  : letter == 'I' ? "a c s d g p q u (Italian)"
                                                  : letter == 'S' ? "a c o d m t h u (Spanish)"
                                                                  : "o c m g l p t u (English)"));
    if (letter == 'G') lines.push_back("description 296 replaced by the engine's German text");
    if (letter == 'H') lines.push_back("text right to left (stored in visual order)");
    if (letter == 'F')
        lines.push_back(
            "loose CHIEF1.DOG and CHIEF2.DOG in the game folder replace the packed ones");
    if (letter == 'I')
        lines.push_back("a loose BUD1.DOG in the game folder replaces the packed one");
    return lines;
}

} // namespace

int RunPack(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const PackResult result =
        Pack(PathFromUtf8(line.files[0]), PathFromUtf8(line.files[1]), PathFromUtf8(*line.output),
             {.language = line.language.value_or(0)});
    if (!result.error.empty()) {
        err << result.error << '\n';
        return kExitError;
    }
    out << "Entries replaced: " << result.replaced << '\n';
    if (line.language) {
        out << "Version " << result.version << " in the header and in QUEEN.JAS\n";
        for (const std::string& change : WhatTheLanguageChanges(*line.language))
            out << "  " << change << '\n';
    }
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
