// "pack": a new resource file in which the entries named by the files of a folder are replaced.
#include "cli/Cli.h"
#include "cli/Commands.h"

#include "res/Pack.h"

namespace quillon::cli {

int RunPack(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const PackResult result = Pack(line.files[0], line.files[1], *line.output);
    if (!result.error.empty()) {
        err << result.error << '\n';
        return kExitError;
    }
    out << "Entries replaced: " << result.replaced << '\n';
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
