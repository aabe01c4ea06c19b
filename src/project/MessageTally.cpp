// Every row checked and counted in one pass.
#include "project/MessageTally.h"

#include "text/Validity.h"

namespace quillon {

namespace {

void AddToList(std::string& list, const std::string& realAA) {
    if (!list.empty()) list += ", ";
    list += realAA;
}

} // namespace

void MessageTally::Add(const MessageTally& other) {
    withText += other.withText;
    translated += other.translated;
    blank += other.blank;
    invalid += other.invalid;
}

MessageTally ValidateEveryRow(MessageTable& table, bool listRows) {
    MessageTally tally;
    for (int row = 1; row <= table.Count(); ++row) {
        const bool bad = IsInvalidNewMessage(table.Cell(row, ColNewMessage),
                                             table.Cell(row, ColOriginalMessage));
        table.SetCell(row, ColBad, bad ? "1" : "0");
        const std::string& realAA = table.Cell(row, ColRealAA);
        if (bad) {
            ++tally.invalid;
            if (listRows) AddToList(tally.invalidList, realAA);
        }
        // The editor's blank counter tests the lengths while its tooltip tests the number;
        // keep both tests so the count and the list read exactly as the editor shows them.
        const double originalLength = LeadingNumber(table.Cell(row, ColOriginalLength));
        const double newLength = LeadingNumber(table.Cell(row, ColNewLength));
        if (originalLength > 0 && newLength == 0) ++tally.blank;
        if (listRows && !realAA.empty() && newLength == 0) AddToList(tally.blankList, realAA);
        if (originalLength > 1) {
            ++tally.withText;
            if (newLength > 0 && !bad) ++tally.translated;
        }
    }
    return tally;
}

} // namespace quillon
