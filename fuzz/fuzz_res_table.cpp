// Feeds arbitrary bytes to the resource table reader as a whole file, reads every entry, and
// checks the pack layout: without replacements it repeats the file, and with one entry
// replaced the result is a table the reader accepts, with only that entry's data changed.
#include "res/Pack.h"
#include "res/ResourceFile.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <string>

using namespace quillon;

namespace {

// Builds the file a plan describes, with the game file and replacements held in memory.
std::string Assemble(const PackPlan& plan, std::string_view game, const std::string& replacement) {
    std::string out = plan.tableBytes;
    for (const PackPiece& piece : plan.pieces) {
        if (piece.source < 0) {
            Check(piece.offset + piece.size <= game.size(), "copied runs lie inside the file");
            out += game.substr(piece.offset, piece.size);
        } else {
            Check(piece.size == replacement.size(), "a replacement is copied whole");
            out += replacement;
        }
    }
    Check(out.size() == plan.outputSize, "the plan knows the size of the new file");
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ResourceTableResult read = ParseResourceTable(bytes, size, "F.1c");
    Check(read.ok() == read.error.empty(), "an error or a table");
    if (!read.ok()) {
        Check(read.error.starts_with("F.1c: ") && read.error.find('\n') == std::string::npos,
              "an error is one line naming the file");
        return 0;
    }
    const ResourceTable& table = read.table;
    int inFile = -1;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const ResourceEntry& entry = table.entries[i];
        Check(PlainNameProblem(entry.name).empty(), "every name can be a file's name");
        Check(table.Find(entry.name) == static_cast<int>(i), "names are unique in any case");
        if (!entry.InThisFile()) continue;
        Check(entry.offset >= table.TableEnd() && entry.offset + entry.size <= size,
              "an entry's data lie between the table and the end of the file");
        if (inFile < 0) inFile = static_cast<int>(i);
    }

    const PackPlanResult same = PlanPack(table, {});
    Check(same.error.empty(), "the file itself always fits");
    Check(Assemble(same.plan, bytes, "") == bytes, "a pack without replacements repeats the file");
    if (inFile < 0) return 0;

    const std::string replacement(static_cast<std::size_t>(size % 7) * 3, 'r');
    const auto entry = static_cast<std::size_t>(inFile);
    const PackPlanResult one = PlanPack(table, {{entry, "R", replacement.size()}});
    Check(one.error.empty(), "a small file stays within 4 GiB");
    const std::string packed = Assemble(one.plan, bytes, replacement);
    const ResourceTableResult back = ParseResourceTable(packed, packed.size(), "F.1c");
    Check(back.ok(), "the packed file's table is accepted");
    Check(back.table.entries.size() == table.entries.size(), "the table keeps its entries");
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const ResourceEntry &before = table.entries[i], &after = back.table.entries[i];
        Check(before.name == after.name && before.bundle == after.bundle,
              "the table keeps its order");
        if (!before.InThisFile()) {
            Check(before.offset == after.offset && before.size == after.size,
                  "other bundles' entries are kept as they were");
            continue;
        }
        const std::string_view now = std::string_view(packed).substr(after.offset, after.size);
        Check(now == (i == entry ? std::string_view(replacement)
                                 : bytes.substr(before.offset, before.size)),
              "only the replaced entry's data change");
    }
    return 0;
}
