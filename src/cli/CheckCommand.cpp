// "check": how many new messages of a work file are invalid or still blank.
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedFile.h"
#include "cli/Verdict.h"

#include "base/Utf8Path.h"

namespace quillon::cli {

int RunCheck(const CommandLine& line, std::ostream& out, std::ostream& err) {
    OpenedFile file;
    file.font = FontOfLanguage(line.Language());
    file.utf8 = line.utf8;
    const std::optional<Verdict> verdict = CheckWorkFile(
        PathFromUtf8(line.files[0]), PathFromUtf8(line.files[1]), line.Language(), file, out, err);
    if (!file.lettersNote.empty()) err << file.lettersNote << '\n';
    if (!verdict) return kExitError;
    const bool clean = verdict->invalidCount == 0 && verdict->blankCount == 0;
    return FinishOutput(out, err, clean ? kExitOk : kExitInvalid);
}

} // namespace quillon::cli
