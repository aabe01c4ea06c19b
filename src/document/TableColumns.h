// The message table as the editor's table view and `quillon-cli list` show it: one row per
// entry of the document, thirteen columns of text drawn from the messages.
#pragma once

#include "document/Document.h"

#include <array>
#include <string>

namespace quillon {

enum class Column {
    MessageNumber,   // "Real A/A": the message's number, or the entry's own bytes
    RowNumber,       // "A/A"
    Block,           // "Block": a file holds one block of messages
    NumberInBlock,   // "Number in block"
    EntryNumber,     // "Real number in block": the place among the entries with bytes
    OriginalMessage, // "Original message"
    NewMessage,      // "New message"
    OriginalLength,  // "Original length"
    NewLength,       // "New length"
    Invalid,         // "Bad": "1" invalid, "0" valid
    Code1,           // "1st cc", "2nd cc", "3rd cc": always 0
    Code2,
    Code3,
};
inline constexpr int kColumnCount = 13;

// The header texts, in column order.
extern const std::array<const char*, kColumnCount> kColumnHeaders;

std::string ColumnText(const Document& document, int row, Column column);

} // namespace quillon
