// "list": the message table of a cutscene file, one tab-separated line per row.
#include "cli/CellEscape.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedCut.h"

#include "base/Utf8Path.h"

namespace quillon::cli {

int RunList(const CommandLine& line, std::ostream& out, std::ostream& err) {
    OpenedCut cut;
    if (std::string problem = OpenCut(PathFromUtf8(line.files[0]), cut); !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    for (int col = 0; col < kColumnCount; ++col)
        out << (col ? "\t" : "") << kColumnHeaders[static_cast<std::size_t>(col)];
    out << '\n';
    for (int row = 1; row <= cut.table.Count(); ++row) {
        for (int col = 0; col < kColumnCount; ++col)
            out << (col ? "\t" : "") << EscapeCell(cut.table.Cell(row, col));
        out << '\n';
    }
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
