// "export": the original messages of a game text file as a temporary messages file.
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedFile.h"

#include "base/Utf8Path.h"
#include "work/Tmf.h"

namespace quillon::cli {

int RunExport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    OpenedFile file;
    if (std::string problem = OpenGameFile(PathFromUtf8(line.files[0]), file); !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    // What the editor's "Save original to text file" writes.
    TmfBuildResult tmf = BuildTmf(file.fileName, file.document, TmfContent::OriginalMessages);
    if (!tmf.error.empty()) {
        err << Utf8FromPath(file.path) << ": " << tmf.error << '\n';
        return kExitError;
    }
    // For any text editor: each message's letters as the game draws them, in UTF-8.
    if (line.utf8) tmf.bytes = TmfAsUtf8(tmf.bytes, FontOfLanguage(line.Language()));
    return DeliverOutput(line, tmf.bytes, out, err);
}

} // namespace quillon::cli
