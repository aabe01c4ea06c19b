// "list": the message table of a game text file, one tab-separated line per row.
#include "cli/CellEscape.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/OpenedFile.h"

#include "base/Utf8Path.h"
#include "document/TableColumns.h"

namespace quillon::cli {

int RunList(const CommandLine& line, std::ostream& out, std::ostream& err) {
    OpenedFile file;
    if (std::string problem = OpenGameFile(PathFromUtf8(line.files[0]), file); !problem.empty()) {
        err << problem << '\n';
        return kExitError;
    }
    for (int col = 0; col < kColumnCount; ++col)
        out << (col ? "\t" : "") << kColumnHeaders[static_cast<std::size_t>(col)];
    out << '\n';
    for (int row = 1; row <= file.document.Count(); ++row) {
        for (int col = 0; col < kColumnCount; ++col)
            out << (col ? "\t" : "")
                << EscapeCell(ColumnText(file.document, row, static_cast<Column>(col)));
        out << '\n';
    }
    return FinishOutput(out, err, kExitOk);
}

} // namespace quillon::cli
