// The invalid and blank messages of a table, counted and listed as the editor's counters show them.
#include "cli/Verdict.h"

#include "cli/CellEscape.h"
#include "text/Validity.h"

namespace quillon::cli {
namespace {

void AddToList(std::string& list, const std::string& realAA) {
    if (!list.empty()) list += ", ";
    list += realAA;
}

} // namespace

Verdict ValidateAllRows(MessageTable& table) {
    Verdict verdict;
    for (int row = 1; row <= table.Count(); ++row) {
        const bool bad = IsInvalidNewMessage(table.Cell(row, ColNewMessage),
                                             table.Cell(row, ColOriginalMessage));
        table.SetCell(row, ColBad, bad ? "1" : "0");
        const std::string& realAA = table.Cell(row, ColRealAA);
        if (bad) {
            ++verdict.invalidCount;
            AddToList(verdict.invalidList, realAA);
        }
        // The editor's blank counter tests the lengths while its tooltip tests the number;
        // keep both tests so the count and the list read exactly as the editor shows them.
        const double newLength = LeadingNumber(table.Cell(row, ColNewLength));
        if (LeadingNumber(table.Cell(row, ColOriginalLength)) > 0 && newLength == 0)
            ++verdict.blankCount;
        if (!realAA.empty() && newLength == 0) AddToList(verdict.blankList, realAA);
    }
    return verdict;
}

void PrintVerdict(const Verdict& verdict, std::ostream& out) {
    out << "Invalid messages: " << verdict.invalidCount << '\n';
    if (verdict.invalidCount != 0) out << EscapeCell(verdict.invalidList) << '\n';
    out << "Blank messages: " << verdict.blankCount << '\n';
    if (verdict.blankCount != 0) out << EscapeCell(verdict.blankList) << '\n';
}

std::optional<Verdict> CheckWorkFile(const std::filesystem::path& cutPath,
                                     const std::filesystem::path& tmfPath, OpenedCut& cut,
                                     std::ostream& out, std::ostream& err) {
    if (std::string problem = OpenCutWithWorkFile(cutPath, tmfPath, cut); !problem.empty()) {
        err << problem << '\n';
        return std::nullopt;
    }
    Verdict verdict = ValidateAllRows(cut.table);
    PrintVerdict(verdict, out);
    return verdict;
}

} // namespace quillon::cli
