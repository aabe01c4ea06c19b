// "export": the original messages of a cutscene file as a temporary messages file.
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedCut.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "work/Tmf.h"

namespace quillon::cli {

int RunExport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    OpenedCut cut;
    if (std::string problem = OpenCut(PathFromUtf8(line.files[0]), cut); !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    // Index 1 is the editor's "Save original to text file".
    TmfBuildResult tmf = BuildTmf(cut.fileName, cut.table, 1);
    if (!tmf.error.empty()) {
        err << Utf8FromPath(cut.path) << ": " << tmf.error << '\n';
        return kExitError;
    }
    if (!line.output) {
        out.write(tmf.bytes.data(), static_cast<std::streamsize>(tmf.bytes.size()));
        return FinishOutput(out, err, kExitOk);
    }
    if (std::string problem = WriteFileAtomically(PathFromUtf8(*line.output), tmf.bytes);
        !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    return kExitOk;
}

} // namespace quillon::cli
