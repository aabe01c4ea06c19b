// Row numbering of the message table and the numeric reading of cell texts.
#include "formats/MessageTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

std::string Column(const MessageTable& table, int col) {
    std::string joined;
    for (int row = 1; row <= table.Count(); ++row)
        joined += (row > 1 ? "|" : "") + table.Cell(row, col);
    return joined;
}

TEST(MessageTable, NumbersRealMessagesOnlyButCountsEveryRow) {
    MessageTable table;
    NumberingState state;
    state.CurrentBlock = 1;
    for (const char* text : {"", "Hello", "x", "abc", ""})
        table.AddMessageRow(state, text);
    std::string columns; // a one-byte message starts translated
    for (int col = 0; col < kColumnCount; ++col)
        columns += Column(table, col) + "\n";
    EXPECT_EQ(columns, "|1|x|2|\n1|2|3|4|5\n1|1|1|1|1\n1|2|3|4|5\n|1|2|3|\n|Hello|x|abc|\n||x||\n"
                       "0|5|1|3|0\n0|0|1|0|0\n0|0|0|0|0\n0|0|0|0|0\n0|0|0|0|0\n0|0|0|0|0\n");
    EXPECT_EQ(state.MessageCount, 2);
    EXPECT_EQ(table.FindRealAA("2"), 4);
    EXPECT_EQ(table.FindRealAA("02"), 0);
}

TEST(LeadingNumber, ReadsLikeValAndRoundsHalfToEvenIntoSixteenBits) {
    const std::vector<std::pair<std::string, double>> numbers = {
        {"", 0},      {"abc", 0}, {"  12abc", 12}, {"\t-3", -3}, {"+4", 4},
        {"1.5", 1.5}, {".5", .5}, {"7.", 7},       {"-", 0},     {".", 0},
        {"- 3", 0},   {"3 4", 3}, {"1e5", 1},      {"0012", 12}};
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));

    const std::vector<std::pair<std::string, int>> ints = {
        {"1.5", 2},           {"2.5", 2},       {"-2.5", -2}, {"-3.5", -4},
        {"2.51", 3},          {"32767", 32767}, {"32768", 0}, {"32767.5", 0},
        {"-32768.5", -32768}, {"-32768.6", 0},  {"007", 7},   {std::string(400, '9'), 0}};
    for (const auto& [text, value] : ints)
        EXPECT_EQ(LeadingInt16(text), value) << '"' << text << '"';
}

} // namespace
} // namespace quillon
