// The table's thirteen columns drawn from a document's messages.
#include "document/TableColumns.h"

namespace quillon {

const std::array<const char*, kColumnCount> kColumnHeaders{
    "Real A/A",         "A/A",         "Block",           "Number in block", "Real number in block",
    "Original message", "New message", "Original length", "New length",      "Bad",
    "1st cc",           "2nd cc",      "3rd cc"};

std::string ColumnText(const Document& document, int row, Column column) {
    const Message& message = document.At(row);
    switch (column) {
    case Column::MessageNumber:
        return document.Label(row);
    case Column::RowNumber:
    case Column::NumberInBlock:
        return std::to_string(row);
    case Column::Block:
        return "1";
    case Column::EntryNumber:
        return message.original.empty() ? std::string() : std::to_string(document.EntryNumber(row));
    case Column::OriginalMessage:
        return message.original;
    case Column::NewMessage:
        return message.edited;
    case Column::OriginalLength:
        return std::to_string(message.original.size());
    case Column::NewLength:
        return std::to_string(message.edited.size());
    case Column::Invalid:
        return message.invalid ? "1" : "0";
    case Column::Code1:
    case Column::Code2:
    case Column::Code3:
        return "0";
    }
    return {};
}

} // namespace quillon
