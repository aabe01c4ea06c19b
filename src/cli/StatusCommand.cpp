// "status": every text file of a folder with its newest work file, counted as `check`
// counts one pair, one line per file and a line of totals.
#include "base/Utf8Path.h"
#include "cli/CellEscape.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "project/FolderOverview.h"

#include <filesystem>

namespace quillon::cli {

namespace fs = std::filesystem;

int RunStatus(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const fs::path folder = PathFromUtf8(line.files[0]);
    std::error_code ec;
    for (const auto& given : {std::optional<std::string>(line.files[0]), line.tmfFolder}) {
        if (given && !fs::is_directory(PathFromUtf8(*given), ec)) {
            err << *given << ": not a folder.\n";
            return kExitError;
        }
    }
    OverviewSources sources;
    sources.cutFolder = folder;
    if (line.tmfFolder) sources.workFolder = PathFromUtf8(*line.tmfFolder);
    sources.language = line.Language();
    // No backups here: the editor's Backup folder belongs to one installation, not to DIR.
    const FolderOverview overview = BuildFolderOverview(sources);
    if (!overview.error.empty()) {
        err << overview.error << '\n';
        return kExitError;
    }

    bool unreadable = false;
    for (const FileOverview& file : overview.files) {
        if (!file.error.empty()) {
            err << file.error << '\n';
            unreadable = true;
            continue;
        }
        const MessageTally& c = file.counts;
        out << EscapeCell(file.name) << '\t' << c.withText << '\t' << c.translated << '\t'
            << c.unchanged << '\t' << c.blank << '\t' << c.invalid << '\t' << c.layoutWarned << '\t'
            << EscapeCell(Utf8FromPath(file.workFile)) << '\n';
    }
    const MessageTally& t = overview.total;
    out << "Total\t" << t.withText << '\t' << t.translated << '\t' << t.unchanged << '\t' << t.blank
        << '\t' << t.invalid << '\t' << t.layoutWarned << '\n';
    const int status = unreadable ? kExitError : t.invalid > 0 ? kExitInvalid : kExitOk;
    return FinishOutput(out, err, status);
}

} // namespace quillon::cli
