// Row numbering of the message table and the numeric reading of cell texts.
#include "cut/MessageTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

TEST(MessageTable, NumbersRealMessagesOnlyButCountsEveryRowInItsBlock) {
    MessageTable table;
    NumberingState state;
    state.CurrentBlock = 1;
    for (const char* text : {"", "Hello", "x", "abc", ""})
        table.AddMessageRow(state, text);

    ASSERT_EQ(table.Count(), 5);
    const char* realAA[] = {"", "1", "x", "2", ""};
    const char* realInBlock[] = {"", "1", "2", "3", ""};
    for (int row = 1; row <= 5; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(table.Cell(row, ColRealAA), realAA[row - 1]);
        EXPECT_EQ(table.Cell(row, ColAA), std::to_string(row));
        EXPECT_EQ(table.Cell(row, ColBlock), "1");
        EXPECT_EQ(table.Cell(row, ColNumberInBlock), std::to_string(row));
        EXPECT_EQ(table.Cell(row, ColRealNumberInBlock), realInBlock[row - 1]);
        EXPECT_EQ(table.Cell(row, ColBad), "0");
        EXPECT_EQ(table.Cell(row, ColCc1), "0");
    }
    EXPECT_EQ(state.MessageCount, 2);

    // A one-byte message starts out translated as itself; the others start blank.
    EXPECT_EQ(table.Cell(3, ColNewMessage), "x");
    EXPECT_EQ(table.Cell(3, ColNewLength), "1");
    EXPECT_EQ(table.Cell(2, ColNewMessage), "");
    EXPECT_EQ(table.Cell(2, ColNewLength), "0");
    EXPECT_EQ(table.Cell(2, ColOriginalMessage), "Hello");
    EXPECT_EQ(table.Cell(2, ColOriginalLength), "5");

    EXPECT_EQ(table.FindRealAA("2"), 4);
    EXPECT_EQ(table.FindRealAA(""), 1);
    EXPECT_EQ(table.FindRealAA("02"), 0);
}

TEST(MessageTable, ANewBlockRestartsItsCounters) {
    MessageTable table;
    NumberingState state;
    state.CurrentBlock = 1;
    table.AddMessageRow(state, "aa");
    table.AddMessageRow(state, "bb");
    state.CurrentBlock = 2;
    table.AddMessageRow(state, "cc", 7, 8, 9);

    EXPECT_EQ(table.Cell(3, ColRealAA), "3");
    EXPECT_EQ(table.Cell(3, ColBlock), "2");
    EXPECT_EQ(table.Cell(3, ColNumberInBlock), "1");
    EXPECT_EQ(table.Cell(3, ColRealNumberInBlock), "1");
    EXPECT_EQ(table.Cell(3, ColCc1) + table.Cell(3, ColCc2) + table.Cell(3, ColCc3), "789");
    EXPECT_EQ(state.PreviousBlock, 2);
}

TEST(MessageTable, ColumnHeadersAreTheListViewTexts) {
    EXPECT_STREQ(kColumnHeaders[ColRealAA], "Real A/A");
    EXPECT_STREQ(kColumnHeaders[ColRealNumberInBlock], "Real number in block");
    EXPECT_STREQ(kColumnHeaders[ColNewLength], "New length");
    EXPECT_STREQ(kColumnHeaders[ColCc3], "3rd cc");
}

TEST(LeadingNumber, ReadsTheLeadingNumberOfAText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},    {"abc", 0},        {"12", 12},  {"  12abc", 12},  {"\t-3", -3},
        {"+4", 4},  {"1.5", 1.5},      {".5", 0.5}, {"7.", 7},        {"-", 0},
        {".", 0},   {"- 3", 0},        {"3 4", 3},  {"12 bytes", 12}, {"0012", 12},
        {"1e5", 1}, {"-0.25x", -0.25},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(LeadingNumber, Int16RoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"7", 7},           {"0.5", 0},         {"1.5", 2},     {"2.5", 2},
        {"-2.5", -2},       {"-3.5", -4},       {"2.51", 3},    {"32767", 32767},
        {"-32768", -32768}, {"32768", 0},       {"32767.5", 0}, {"-32768.5", -32768},
        {"-32768.6", 0},    {"99999999999", 0}, {"007", 7},     {" 12", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LeadingInt16(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(LeadingInt16(std::string(400, '9')), 0);
}

} // namespace
} // namespace quillon
