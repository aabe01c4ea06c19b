// Puts files back into a resource file: a new file in which some entries are replaced.
#pragma once

#include "res/ResourceFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct PackSource {
    std::size_t entry = 0;      // index in the table
    std::filesystem::path file; // the replacement
    std::uint64_t size = 0;     // its size when it was matched
};

// Matches the files of dir to the table's entries, regardless of letter case. Refuses, with one
// line, and fills nothing: dir not a folder; files that match no entry (all of them named);
// anything in dir that is not a file; two files that differ only in case; an entry kept in
// another bundle; a cutscene file (.CUT) the .CUT reader refuses; a file that cannot be read.
std::string MatchReplacements(const ResourceTable& table, const std::string& gameName,
                              const std::filesystem::path& dir, std::vector<PackSource>& sources);

// One run of bytes of the new file after its table: from the game file or a replacement.
struct PackPiece {
    int source = -1; // index into the sources; -1 for the game file itself
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

struct PackPlan {
    std::string tableBytes;        // the game's table with the new offsets and sizes
    std::vector<PackPiece> pieces; // what follows the table, in order
    std::uint64_t outputSize = 0;
};

struct PackPlanResult {
    std::string error; // one line; empty when ok
    PackPlan plan;
};

// Lays out the new file: the table keeps its order and every byte of it but the offsets and
// sizes of this file's entries; the data keep their order; gaps between entries and bytes
// after the last one are kept where they are, so a plan without sources repeats the file.
// Refused when an entry would end past what 32-bit offsets reach (4 GiB).
PackPlanResult PlanPack(const ResourceTable& table, const std::vector<PackSource>& sources);

// The version string of a full PC release: platform (C CD, P floppy), language letter, "M10".
// The same six bytes (with their NUL) lie in QUEEN.JAS at kJasVersionAt from the start of the
// entry; the engine refuses to start when the two differ.
inline constexpr std::string_view kVersionLanguages = "EFGISHgR";
inline constexpr std::uint64_t kJasVersionAt = 0x12484;
inline constexpr std::size_t kVersionLanguageAt = 1; // within the version string

struct PackOptions {
    char language = 0; // a letter of kVersionLanguages to write, or 0 to keep the version
};

struct PackResult {
    std::string error; // one line; empty when ok
    int replaced = 0;
    bool inPlace = false;
    std::string version; // the version string written (as read when the letter is kept)
};

// Writes output: game with every entry that a file in dir names replaced by that file. Every
// check runs before the first byte is written; the game is read in pieces, never whole. When
// output is game itself, the new file is written as game.TEMP, then the old one becomes
// game.BAK and game.TEMP takes its name. With a language letter, the letter goes into the
// header's version string and into QUEEN.JAS's copy of it (the game's entry, or DIR's file
// when DIR holds one); refused when the version is not a full PC release's or QUEEN.JAS does
// not hold the same string.
PackResult Pack(const std::filesystem::path& game, const std::filesystem::path& dir,
                const std::filesystem::path& output, const PackOptions& options = {});

} // namespace quillon
