// The open cutscene file's messages: one row of 13 text cells per text-block entry.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Column numbers of a MessageRow, in display order.
enum Col : int {
    ColRealAA = 0,            // "Real A/A": message number, or the text itself for 0/1-byte entries
    ColAA = 1,                // "A/A": row number
    ColBlock = 2,             // "Block"
    ColNumberInBlock = 3,     // "Number in block"
    ColRealNumberInBlock = 4, // "Real number in block"
    ColOriginalMessage = 5,   // "Original message"
    ColNewMessage = 6,        // "New message"
    ColOriginalLength = 7,    // "Original length"
    ColNewLength = 8,         // "New length"
    ColBad = 9,               // "Bad": "1" invalid, "0" valid
    ColCc1 = 10,              // "1st cc"
    ColCc2 = 11,              // "2nd cc"
    ColCc3 = 12,              // "3rd cc"
};
inline constexpr int kColumnCount = 13;

// The list view's header texts, in column order.
extern const std::array<const char*, kColumnCount> kColumnHeaders;

using MessageRow = std::array<std::string, kColumnCount>;

// The leading numeric value of a text, as the editor reads numbers back from cells and
// captions: leading blanks skipped, an optional sign, digits and an optional fraction.
// An empty or non-numeric text is 0.
double LeadingNumber(std::string_view text);
// LeadingNumber rounded half to even into a 16-bit signed integer; 0 when out of range.
std::int16_t LeadingInt16(std::string_view text);

// Numbering state of the rows appended so far (16-bit signed counters).
struct NumberingState {
    std::int16_t MessageCount = 0;
    std::int16_t CurrentBlock = 0;
    std::int16_t NumberInBlock = 0;
    std::int16_t RealNumberInBlock = 0;
    std::int16_t PreviousBlock = 0;
};

// Rows are numbered from 1; they are only appended, and only cleared all at once.
class MessageTable {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    void Clear() { rows_.clear(); }

    const MessageRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)); }
    const std::string& Cell(int row, int col) const {
        return Row(row)[static_cast<std::size_t>(col)];
    }
    void SetCell(int row, int col, std::string text) {
        rows_.at(static_cast<std::size_t>(row - 1))[static_cast<std::size_t>(col)] =
            std::move(text);
    }
    // Number of the first row whose column 0 equals text exactly, or 0 when none does.
    int FindRealAA(std::string_view text) const;

    void Append(MessageRow row) { rows_.push_back(std::move(row)); }
    // Makes room for rows about to be appended, so a large file is not copied as it grows.
    void Reserve(int rows) { rows_.reserve(static_cast<std::size_t>(rows > 0 ? rows : 0)); }

    // Appends the row for one message just read, updating the numbering state.
    void AddMessageRow(NumberingState& state, std::string text, int cc1 = 0, int cc2 = 0,
                       int cc3 = 0);

private:
    std::vector<MessageRow> rows_;
};

} // namespace quillon
