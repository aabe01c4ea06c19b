// What the user asked the batch tool for: the subcommand, its files and its options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillon::cli {

inline constexpr const char* kProgramName = "quillon-cli";

// The language letters of the game's version string: English, French, German, Italian,
// Spanish, Hebrew, Greek, Russian.
inline constexpr const char* kLanguageLetters = "EFGISHgR";

struct CommandLine {
    std::string command; // "list", "export", "check", "apply", "unpack", "pack", "status",
                         // "po export" or "po import"; "po" for the help of both; empty for
                         // the tool's own help
    bool help = false;
    std::vector<std::string> files;
    std::optional<std::string> output; // -o
    bool force = false;
    bool all = false;                     // unpack: every entry, not only the cutscene files
    bool list = false;                    // unpack: print the table instead
    std::optional<std::string> tmfFolder; // status: --tmf
    // --language X: the game's language letter, which picks the font and the layout of
    // dialogue options (E when not given).
    std::optional<char> language;
    bool utf8 = false;               // export, check, apply: work files in UTF-8
    std::optional<std::string> game; // po import: --game, the game's resource file or folder
    bool apply = false;              // po import: write the game files, not work files
    bool fuzzy = false;              // po import: take fuzzy entries too
    char Language() const { return language.value_or('E'); }
    std::string error; // one line saying what is wrong with the arguments; empty when none
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

} // namespace quillon::cli
