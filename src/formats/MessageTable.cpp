// The message table: numbering of appended rows and the numeric reading of cell texts.
#include "formats/MessageTable.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quillon {

const std::array<const char*, kColumnCount> kColumnHeaders{
    "Real A/A",         "A/A",         "Block",           "Number in block", "Real number in block",
    "Original message", "New message", "Original length", "New length",      "Bad",
    "1st cc",           "2nd cc",      "3rd cc"};

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingNumber(std::string_view text) {
    // Cells hold short plain decimals almost always, and the edit step reads several of them
    // per row on every keystroke: those skip the general parser.
    if (!text.empty() && text.size() <= 9) {
        long value = 0;
        bool plain = true;
        for (char c : text) {
            if (!IsDigit(c)) {
                plain = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (plain) return static_cast<double>(value);
    }
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The sign is taken here because from_chars refuses a leading '+'.
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    const std::size_t integerDigits = digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    const std::string_view number = text.substr(start, i - start);
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(
        number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge, unless the whole part is zero.
        const std::string_view whole = number.substr(0, integerDigits);
        value = whole.find_first_not_of('0') == std::string_view::npos
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::int16_t LeadingInt16(std::string_view text) {
    const double value = LeadingNumber(text);
    if (!std::isfinite(value)) return 0;
    // Ties go to the even neighbour, as the editor's integer conversion rounds.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return static_cast<std::int16_t>(rounded);
}

int MessageTable::FindRealAA(std::string_view text) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i][ColRealAA] == text) return static_cast<int>(i) + 1;
    return 0;
}

void MessageTable::AddMessageRow(NumberingState& state, std::string text, int cc1, int cc2,
                                 int cc3) {
    const std::size_t n = text.size();
    const int rowNumber = Count() + 1;
    const std::int16_t block = state.CurrentBlock;
    MessageRow row;

    // Only texts of two bytes or more are numbered messages; the others show themselves.
    if (n <= 1) {
        row[ColRealAA] = text;
    } else {
        state.MessageCount = static_cast<std::int16_t>(state.MessageCount + 1);
        row[ColRealAA] = std::to_string(state.MessageCount);
    }
    row[ColAA] = std::to_string(rowNumber);
    row[ColBlock] = std::to_string(block);

    state.NumberInBlock =
        state.PreviousBlock == block ? static_cast<std::int16_t>(state.NumberInBlock + 1) : 1;
    row[ColNumberInBlock] = std::to_string(state.NumberInBlock);

    if (state.PreviousBlock != block) state.RealNumberInBlock = 0;
    if (n > 0) {
        state.RealNumberInBlock = static_cast<std::int16_t>(state.RealNumberInBlock + 1);
        row[ColRealNumberInBlock] = std::to_string(state.RealNumberInBlock);
    }
    state.PreviousBlock = block;

    // A one-byte message cannot be edited into anything else, so it starts out translated.
    if (n == 1) row[ColNewMessage] = text;
    row[ColOriginalLength] = std::to_string(n);
    row[ColNewLength] = std::to_string(row[ColNewMessage].size());
    row[ColBad] = std::string(1, '0');
    row[ColCc1] = std::to_string(cc1);
    row[ColCc2] = std::to_string(cc2);
    row[ColCc3] = std::to_string(cc3);
    row[ColOriginalMessage] = std::move(text);

    rows_.push_back(std::move(row));
}

} // namespace quillon
