// Every message checked and counted in one pass.
#include "project/MessageTally.h"

#include "document/Layout.h"

namespace quillon {

void MessageTally::Add(const MessageTally& other) {
    messages += other.messages;
    withText += other.withText;
    translated += other.translated;
    unchanged += other.unchanged;
    blank += other.blank;
    invalid += other.invalid;
    warned += other.warned;
    layoutWarned += other.layoutWarned;
}

MessageTally ValidateEveryRow(Document& document, bool listRows, char language) {
    document.ValidateAll();
    MessageTally tally;
    tally.messages = document.NumberedCount();
    for (const Message& message : document.Messages()) {
        const bool blank = document.IsBlank(message);
        if (message.invalid) ++tally.invalid;
        if (blank) ++tally.blank;
        if (!message.warning.empty()) ++tally.warned;
        if (message.number != 0 && !message.locked && document.ShowsText(message.original)) {
            ++tally.withText;
            if (message.edited == message.original)
                ++tally.unchanged;
            else if (!blank && !message.invalid)
                ++tally.translated;
        }
    }
    LayoutWarnedRows layout = LayoutWarnedRowsOf(document, language);
    tally.layoutWarned = layout.count;
    if (listRows) {
        tally.layoutWarningList = std::move(layout.list);
        tally.invalidList = document.InvalidList();
        tally.blankList = document.BlankList();
        tally.warningList = document.WarningList();
    }
    return tally;
}

} // namespace quillon
