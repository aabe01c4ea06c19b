// Every message checked and counted in one pass.
#include "project/MessageTally.h"

namespace quillon {

void MessageTally::Add(const MessageTally& other) {
    withText += other.withText;
    translated += other.translated;
    blank += other.blank;
    invalid += other.invalid;
}

MessageTally ValidateEveryRow(Document& document, bool listRows) {
    document.ValidateAll();
    MessageTally tally;
    for (const Message& message : document.Messages()) {
        if (message.invalid) ++tally.invalid;
        if (message.Blank()) ++tally.blank;
        if (message.number != 0 && !message.locked && !message.original.empty()) {
            ++tally.withText;
            if (!message.edited.empty() && !message.invalid) ++tally.translated;
        }
    }
    if (listRows) {
        tally.invalidList = document.InvalidList();
        tally.blankList = document.BlankList();
    }
    return tally;
}

} // namespace quillon
