// Temporary messages files: golden bytes, every kind of line, and the round trip.
#include "tmf/Tmf.h"

#include <gtest/gtest.h>

#include "cut/FileIO.h"

namespace quillon {
namespace {

void SetNew(MessageTable& table, int row, const std::string& text) {
    table.SetCell(row, ColNewMessage, text);
    table.SetCell(row, ColNewLength, std::to_string(text.size()));
}

MessageTable Table(std::initializer_list<const char*> originals) {
    MessageTable table;
    NumberingState state;
    for (const char* text : originals)
        table.AddMessageRow(state, text);
    return table;
}

TEST(Tmf, WritesTheGoldenFilesForNewAndOriginalMessages) {
    MessageTable table = Table({"Hello*01", "", "x", "World", "ab", "back\\slash"});
    SetNew(table, 1, "Hola*01");
    SetNew(table, 5, "Two\r\nlines \\o/"); // escaped behind a backslash
    SetNew(table, 6, "C:\\dir");           // no line break: as it is
    const std::string golden = std::string(QUILLON_TEST_DATA) + "/tmf/";
    EXPECT_EQ(BuildTmf("C12.CUT", table, 0).bytes, ReadWholeFile(golden + "C12_new.tmf").bytes);
    EXPECT_EQ(BuildTmf("C12.CUT", table, 3).bytes, ReadWholeFile(golden + "C12_new.tmf").bytes);
    EXPECT_EQ(BuildTmf("C12.CUT", table, 1).bytes,
              ReadWholeFile(golden + "C12_original.tmf").bytes);
    EXPECT_EQ(BuildTmf("C12.CUT", table, 2).bytes, "Original CUT file: C12.CUT\r\n\r\n");
    EXPECT_NE(BuildTmf("C12\n.CUT", table, 0).error, "");

    const std::vector<std::pair<std::string, std::string>> numbers = {
        {"7", "007"}, {"42", "042"}, {"123", "123"}, {"", "000"}, {"1000", "1000"}, {"x", "00x"}};
    for (const auto& [realAA, field] : numbers)
        EXPECT_EQ(TmfRowNumber(realAA), field);
}

TEST(Tmf, ReadsTheHeaderFromItsTwentiethByteAndRefusesOnlyAnEmptyFile) {
    EXPECT_EQ(ParseTmf("Original CUT file: C13.CUT\r\n\r\n").headerName, "C13.CUT");
    EXPECT_EQ(ParseTmf("Anything at all 19:c12.cut").headerName, "c12.cut");
    EXPECT_EQ(ParseTmf("short\r\n").headerName, "");
    EXPECT_EQ(ParseTmf("\r\n").error, "");
    EXPECT_EQ(ParseTmf("").error, "The file is empty: it is not a temporary messages file.");
    EXPECT_EQ(ParseTmf("", "C12.tmf").error,
              "C12.tmf is empty: it is not a temporary messages file.");
}

TEST(Tmf, ReadsEachKindOfMessageLine) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"005 ABC", 5, "ABC"},
        {"012", 12, ""},
        {"007   spaced", 7, "  spaced"},
        {"", 0, ""},
        {"abc def", 0, "def"},
        {" 12 x", 12, "x"},
        {"1.5 x", 2, "x"},
        {"005 a\\nb", 5, "a\\nb"},
        {"1000 text", 1000, "text"},
        {"1000", 1000, ""},
        {"1000\\x\\ny", 1000, "x\ny"},
        {"0051abc", 51, "bc"},
        {"99999999999 x", 0, "x"},
        {"005\\a\\\\b\\r\\nc\\t\\", 5, "a\\b\r\nc\\t\\"}};
    for (const auto& [line, number, text] : cases) {
        const TmfParseResult r = ParseTmf("Original CUT file: C12.CUT\r\n\r\n" + line + "\r\n");
        ASSERT_EQ(r.lines.size(), 1u) << line;
        EXPECT_EQ(r.lines[0].number, number) << line;
        EXPECT_EQ(r.lines[0].text, text) << line;
    }
    const TmfParseResult lf = ParseTmf("h\n\n001 one\n002 two\r\n003 a\rb\r\r\n004 last");
    ASSERT_EQ(lf.lines.size(), 4u);
    EXPECT_EQ(lf.lines[0].text + "|" + lf.lines[1].text + "|" + lf.lines[2].text + "|" +
                  lf.lines[3].text,
              "one|two|a\rb\r|last");
    EXPECT_EQ(ParseTmf("h\r\n\r\n001 x\r\n").lines.size(), 1u);
}

TEST(Tmf, AppliesLinesToEveryRowWithTheirNumber) {
    MessageTable table = Table({"", "First", "5", "Second", "a", "Third", "Fourth", "Fifth"});
    SetNew(table, 2, "kept");
    table.SetCell(4, ColNewLength, "99");
    ApplyTmfLines(table,
                  {{0, "none"}, {5, "five"}, {3, "three"}, {77, "nobody"}, {3, "three again"}});
    std::string cells;
    for (int row = 1; row <= table.Count(); ++row)
        cells += table.Cell(row, ColNewMessage) + "=" + table.Cell(row, ColNewLength) + ";";
    EXPECT_EQ(cells, "=0;kept=4;five=4;=0;a=1;three again=11;=0;five=4;");
}

TEST(Tmf, NewMessagesComeBackThroughAFile) {
    MessageTable table;
    NumberingState state;
    for (int i = 0; i < 1200; ++i)
        table.AddMessageRow(state, i % 7 == 0 ? "" : "Original*01 text");
    const std::string awkward[] = {"Two\r\nlines", "  spaces", "\\ back \\", "CR\r",    "\n",
                                   "1234 digits",  "\\r",      "plain",      {"\0", 1}, "\xFF"};
    for (int row = 1; row <= table.Count(); ++row)
        SetNew(table, row, row % 5 ? awkward[row % 10] + std::to_string(row) : "");
    ASSERT_EQ(state.MessageCount, 1028);

    const TmfParseResult parsed = ParseTmf(BuildTmf("C12.CUT", table, 0).bytes);
    MessageTable loaded = table;
    for (int row = 1; row <= loaded.Count(); ++row)
        SetNew(loaded, row, "");
    ApplyTmfLines(loaded, parsed.lines);
    for (int row = 1; row <= table.Count(); ++row) {
        const bool numbered = !table.Cell(row, ColRealAA).empty(); // line 000 changes nothing
        ASSERT_EQ(loaded.Cell(row, ColNewMessage), numbered ? table.Cell(row, ColNewMessage) : "")
            << row;
    }
}

TEST(Tmf, BackupNamesDropTheExtension) {
    EXPECT_EQ(BackupFileName("C12.CUT", 3), "C12_3.tmf");
    EXPECT_EQ(BackupFileName("intro.cut", 99), "intro_99.tmf");
    EXPECT_EQ(BackupFileName("ABC", 2), "_2.tmf");
}

} // namespace
} // namespace quillon
