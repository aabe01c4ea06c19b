// The invalid, blank and warned messages of a document, counted and listed as the editor's
// counters show them.
#include "cli/Verdict.h"

#include "cli/CellEscape.h"
#include "project/MessageTally.h"

namespace quillon::cli {

Verdict ValidateAllRows(Document& document, char language) {
    // The editor's project window and `status` count with the same function.
    MessageTally tally = ValidateEveryRow(document, true, language);
    return {tally.invalid,      std::move(tally.invalidList),
            tally.blank,        std::move(tally.blankList),
            tally.warned,       std::move(tally.warningList),
            tally.layoutWarned, std::move(tally.layoutWarningList)};
}

void PrintVerdict(const Verdict& verdict, std::ostream& out) {
    out << "Invalid messages: " << verdict.invalidCount << '\n';
    if (verdict.invalidCount != 0) out << EscapeCell(verdict.invalidList) << '\n';
    out << "Blank messages: " << verdict.blankCount << '\n';
    if (verdict.blankCount != 0) out << EscapeCell(verdict.blankList) << '\n';
    out << "Warnings: " << verdict.warningCount << '\n';
    if (verdict.warningCount != 0) out << EscapeCell(verdict.warningList) << '\n';
    out << "Layout warnings: " << verdict.layoutWarningCount << '\n';
    if (verdict.layoutWarningCount != 0) out << EscapeCell(verdict.layoutWarningList) << '\n';
}

std::optional<Verdict> CheckWorkFile(const std::filesystem::path& gamePath,
                                     const std::filesystem::path& tmfPath, char language,
                                     OpenedFile& file, std::ostream& out, std::ostream& err) {
    if (std::string problem = OpenWithWorkFile(gamePath, tmfPath, file); !problem.empty()) {
        err << problem << '\n';
        return std::nullopt;
    }
    Verdict verdict = ValidateAllRows(file.document, language);
    PrintVerdict(verdict, out);
    return verdict;
}

} // namespace quillon::cli
