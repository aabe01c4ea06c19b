// "unpack": the game text files (or every entry) of the game's resource file, each a file of
// its own; with --list, the resource table itself.
#include "cli/Cli.h"
#include "cli/Commands.h"

#include "base/Utf8Path.h"
#include "res/ResourceFile.h"
#include "res/Unpack.h"

#include <filesystem>

namespace quillon::cli {
namespace {

int ListTable(const std::string& game, std::ostream& out, std::ostream& err) {
    const ResourceTableResult read = ReadResourceTable(PathFromUtf8(game));
    if (!read.ok()) {
        err << read.error << '\n';
        return kExitError;
    }
    for (const ResourceEntry& entry : read.table.entries)
        out << entry.name << '\t' << entry.bundle << '\t' << entry.offset << '\t' << entry.size
            << '\n';
    return FinishOutput(out, err, kExitOk);
}

} // namespace

int RunUnpack(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& game = line.files[0];
    if (line.list) return ListTable(game, out, err);

    const UnpackResult result = Unpack(
        PathFromUtf8(game), PathFromUtf8(line.output.value_or("CUT")), {line.all, line.force});
    if (!result.error.empty()) {
        err << result.error << '\n';
        return kExitError;
    }
    // Entries of another bundle live in files this one does not hold: skipped, never refused.
    if (!result.skipped.empty()) {
        err << game << ": skipped " << result.skipped.size()
            << (result.skipped.size() == 1 ? " entry" : " entries")
            << " kept in another bundle, not in this file:";
        for (const std::string& name : result.skipped)
            err << ' ' << ShownName(name);
        err << '\n';
    }
    out << "Entries unpacked: " << result.written.size() << '\n';
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
