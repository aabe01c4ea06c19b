// Temporary messages files: golden bytes, parsing every kind of line, and round trips.
#include "tmf/Tmf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quillon {
namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::string(QUILLON_TEST_DATA) + "/tmf/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SetNew(MessageTable& table, int row, const std::string& text) {
    table.SetCell(row, ColNewMessage, text);
    table.SetCell(row, ColNewLength, std::to_string(text.size()));
}

MessageTable Table(std::initializer_list<const char*> originals) {
    MessageTable table;
    NumberingState state;
    state.CurrentBlock = 1;
    for (const char* text : originals)
        table.AddMessageRow(state, text);
    return table;
}

TEST(Tmf, WritesTheGoldenFilesForNewAndOriginalMessages) {
    MessageTable table = Table({"Hello*01", "", "x", "World", "ab", "back\\slash"});
    SetNew(table, 1, "Hola*01");
    SetNew(table, 4, ""); // blank: not written
    SetNew(table, 5, "Two\r\nlines \\o/");
    SetNew(table, 6, "C:\\dir"); // no line break: written as it is

    const TmfBuildResult newMessages = BuildTmf("C12.CUT", table, 0);
    EXPECT_EQ(newMessages.error, "");
    EXPECT_EQ(newMessages.bytes, Golden("C12_new.tmf"));
    EXPECT_EQ(BuildTmf("C12.CUT", table, 3).bytes, newMessages.bytes);
    EXPECT_EQ(BuildTmf("C12.CUT", table, 1).bytes, Golden("C12_original.tmf"));
    EXPECT_EQ(BuildTmf("C12.CUT", table, 2).bytes, "Original CUT file: C12.CUT\r\n\r\n");

    const TmfBuildResult broken = BuildTmf("C12\n.CUT", table, 0);
    EXPECT_NE(broken.error, "");
    EXPECT_EQ(broken.bytes, "");
}

TEST(Tmf, RowNumbersHaveThreeDigitsUnlessTheyNeedMore) {
    const std::pair<std::string, std::string> cases[] = {
        {"7", "007"}, {"42", "042"}, {"123", "123"}, {"", "000"}, {"1000", "1000"}, {"x", "00x"},
    };
    for (const auto& [realAA, field] : cases)
        EXPECT_EQ(TmfRowNumber(realAA), field) << realAA;
}

TEST(Tmf, ReadsTheHeaderFromItsTwentiethByte) {
    EXPECT_EQ(ParseTmf("Original CUT file: C13.CUT\r\n\r\n").headerName, "C13.CUT");
    EXPECT_EQ(ParseTmf("Original CUT file: c12.cut").headerName, "c12.cut");
    EXPECT_EQ(ParseTmf("Anything at all 19:C12.CUT\n").headerName, "C12.CUT");
    EXPECT_EQ(ParseTmf("Original CUT file: ").headerName, "");
    EXPECT_EQ(ParseTmf("short\r\n").headerName, "");
    const TmfParseResult onlyBreak = ParseTmf("\r\n");
    EXPECT_EQ(onlyBreak.error, "");
    EXPECT_TRUE(onlyBreak.lines.empty());

    EXPECT_EQ(ParseTmf("").error, "The file is empty: it is not a temporary messages file.");
    EXPECT_EQ(ParseTmf("", "C12.tmf").error,
              "C12.tmf is empty: it is not a temporary messages file.");
}

TEST(Tmf, ReadsEachKindOfMessageLine) {
    struct Case {
        std::string line;
        int number;
        std::string text;
    };
    const Case cases[] = {
        {"005 ABC", 5, "ABC"},
        {"012", 12, ""},
        {"012 ", 12, ""},
        {"007   spaced", 7, "  spaced"},
        {"", 0, ""},
        {"abc def", 0, "def"},
        {" 12 x", 12, "x"},
        {"1.5 x", 2, "x"},
        {"-01 x", -1, "x"},
        {"005 a\\nb", 5, "a\\nb"},                        // a space: taken as it stands
        {"005\\a\\\\b\\r\\nc\\t\\", 5, "a\\b\r\nc\\t\\"}, // a backslash: unescaped
        {"1000 text", 1000, "text"},
        {"1000", 1000, ""},
        {"12345\tx", 12345, "x"},
        {"1000\\x\\ny", 1000, "x\ny"},
        {"0051abc", 51, "bc"},
        {"99999999999 x", 0, "x"},
    };
    for (const Case& c : cases) {
        const TmfParseResult r = ParseTmf("Original CUT file: C12.CUT\r\n\r\n" + c.line + "\r\n");
        ASSERT_EQ(r.lines.size(), 1u) << c.line;
        EXPECT_EQ(r.lines[0].number, c.number) << c.line;
        EXPECT_EQ(r.lines[0].text, c.text) << c.line;
    }
}

TEST(Tmf, SplitsLinesOnCrLfOrLoneLf) {
    const TmfParseResult r =
        ParseTmf("Original CUT file: C12.CUT\n\n001 one\n002 two\r\n003 a\rb\r\r\n004 last");
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.headerName, "C12.CUT");
    EXPECT_EQ(r.lines[0].text, "one");
    EXPECT_EQ(r.lines[1].text, "two");
    EXPECT_EQ(r.lines[2].text, "a\rb\r");
    EXPECT_EQ(r.lines[3].text, "last");
    EXPECT_EQ(ParseTmf("h\r\n\r\n001 x\r\n").lines.size(), 1u); // nothing after the last end
    EXPECT_EQ(ParseTmf("h\r\nsecond line is ignored\r\n").lines.size(), 0u);
}

TEST(Tmf, AppliesLinesToEveryRowWithTheirNumber) {
    MessageTable table = Table({"", "First", "5", "Second", "a", "Third", "Fourth", "Fifth"});
    SetNew(table, 2, "kept");
    table.SetCell(4, ColNewLength, "99"); // recomputed from the text
    ApplyTmfLines(table, {{0, "no row"},
                          {5, "five"},
                          {3, "three"},
                          {77, "nobody"},
                          {3, "three again"},
                          {-1, "negative"}});
    const char* expected[] = {"", "kept", "five", "", "a", "three again", "", "five"};
    for (int row = 1; row <= table.Count(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(table.Cell(row, ColNewMessage), expected[row - 1]);
        EXPECT_EQ(table.Cell(row, ColNewLength),
                  std::to_string(std::string(expected[row - 1]).size()));
    }
}

TEST(Tmf, NewMessagesComeBackThroughAFile) {
    MessageTable table;
    NumberingState state;
    for (int i = 0; i < 1200; ++i)
        table.AddMessageRow(state, i % 7 == 0 ? "" : "Original*01 text");
    const std::string awkward[] = {"Two\r\nlines",
                                   "  leading spaces",
                                   "\\ back \\",
                                   "ends in CR\r",
                                   "\n",
                                   "1234 digits",
                                   "\\r literal",
                                   "plain",
                                   std::string("nul\0byte", 8),
                                   "\x80\xFF"};
    for (int row = 1; row <= table.Count(); ++row)
        if (row % 5 != 0) SetNew(table, row, awkward[row % 10] + std::to_string(row));
    ASSERT_GT(LeadingNumber(table.Cell(table.Count(), ColRealAA)), 999);

    const TmfBuildResult file = BuildTmf("C12.CUT", table, 0);
    ASSERT_EQ(file.error, "");
    const TmfParseResult parsed = ParseTmf(file.bytes);
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.headerName, "C12.CUT");

    MessageTable loaded = table;
    for (int row = 1; row <= loaded.Count(); ++row)
        SetNew(loaded, row, "");
    ApplyTmfLines(loaded, parsed.lines);
    for (int row = 1; row <= table.Count(); ++row) {
        const bool real = !table.Cell(row, ColRealAA).empty();
        ASSERT_EQ(loaded.Cell(row, ColNewMessage), real ? table.Cell(row, ColNewMessage) : "")
            << "row " << row;
    }
}

TEST(Tmf, BackupNamesDropTheExtension) {
    EXPECT_EQ(BackupFileName("C12.CUT", 3), "C12_3.tmf");
    EXPECT_EQ(BackupFileName("C12.CUT", 99), "C12_99.tmf");
    EXPECT_EQ(BackupFileName("intro.cut", 1), "intro_1.tmf");
    EXPECT_EQ(BackupFileName("ABC", 2), "_2.tmf");
}

} // namespace
} // namespace quillon
