// "pack": a new resource file in which the entries named by the files of a folder are replaced.
#include "cli/Cli.h"
#include "cli/Commands.h"

#include "base/Utf8Path.h"
#include "res/Pack.h"

namespace quillon::cli {

int RunPack(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const PackResult result =
        Pack(PathFromUtf8(line.files[0]), PathFromUtf8(line.files[1]), PathFromUtf8(*line.output));
    if (!result.error.empty()) {
        err << result.error << '\n';
        return kExitError;
    }
    out << "Entries replaced: " << result.replaced << '\n';
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
