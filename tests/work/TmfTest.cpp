// Temporary messages files: golden bytes, every kind of line, and the round trip.
#include "work/Tmf.h"

#include <gtest/gtest.h>

#include "base/FileIO.h"
#include "formats/CutFormat.h"
#include "work/Backups.h"

namespace quillon {
namespace {

// The document a cutscene file of these messages reads into.
Document Table(std::initializer_list<const char*> originals) {
    std::vector<CutEntry> entries;
    for (const char* text : originals)
        entries.push_back({text, 0});
    Document document;
    FillDocument(document, entries);
    return document;
}

// Each line read as "number:text|", or the error.
std::string Lines(const TmfParseResult& r) {
    std::string out = r.error;
    for (const TmfLine& line : r.lines)
        out += std::to_string(line.number) + ":" + line.text + "|";
    return out;
}

TEST(Tmf, WritesTheGoldenFilesReadsEachKindOfLineAppliesThemAndComesBackThroughAFile) {
    Document table = Table({"Hello*01", "", "x", "World", "ab", "back\\slash"});
    table.At(1).edited = "Hola*01";
    table.At(5).edited = "Two\r\nlines \\o/"; // escaped behind a backslash
    table.At(6).edited = "C:\\dir";           // no line break: as it is
    auto golden = [](const std::string& name) {
        return ReadWholeFile(std::string(QUILLON_TEST_DATA) + "/tmf/" + name).bytes;
    };
    auto build = [&table](TmfContent content) { return BuildTmf("C12.CUT", table, content).bytes; };
    EXPECT_EQ(build(TmfContent::NewMessages), golden("C12_new.tmf"));
    EXPECT_EQ(build(TmfContent::OriginalMessages), golden("C12_original.tmf"));
    EXPECT_NE(BuildTmf("C12\n.CUT", table, TmfContent::NewMessages).error, "");

    EXPECT_EQ(BackupFileName("C12.CUT", 3) + BackupFileName("intro.cut", 99) +
                  BackupFileName("ABC", 2),
              "C12_3.tmfintro_99.tmf_2.tmf");

    EXPECT_EQ(ParseTmf("Original CUT file: C13.CUT\r\n\r\n").headerName + "|" +
                  ParseTmf("Anything at all 19:c12.cut").headerName + "|" +
                  ParseTmf("short\r\n").headerName + "|" + ParseTmf("\r\n").error + "|" +
                  ParseTmf("").error + "|" + ParseTmf("", "C12.tmf").error,
              "C13.CUT|c12.cut|||The file is empty: it is not a temporary messages file.|"
              "C12.tmf is empty: it is not a temporary messages file.");

    std::string file = "Original CUT file: C12.CUT\r\n\r\n";
    for (const char* line : {"005 ABC", "012", "007   spaced", "", "abc def", " 12 x", "1.5 x",
                             "005 a\\nb", "1000 text", "1000", "1000\\x\\ny", "0051abc",
                             "99999999999 x", "005\\a\\\\b\\r\\nc\\t\\"})
        file += line + std::string("\r\n");
    EXPECT_EQ(Lines(ParseTmf(file)), "5:ABC|12:|7:  spaced|0:|0:def|12:x|2:x|5:a\\nb|1000:text|"
                                     "1000:|1000:x\ny|51:bc|0:x|5:a\\b\r\nc\\t\\|");
    EXPECT_EQ(Lines(ParseTmf("h\n\n001 one\n002 two\r\n003 a\rb\r\r\n004 last")),
              "1:one|2:two|3:a\rb\r|4:last|");

    // Lines apply to the row of their number.
    // A one-byte entry that reads as a number ("5") is no message: line 5 is not its.
    Document rows = Table({"", "First", "5", "Second", "a", "Third", "Fourth", "Fifth"});
    rows.At(2).edited = "kept";
    ApplyTmfLines(rows,
                  {{0, "none"}, {5, "five"}, {3, "three"}, {77, "nobody"}, {3, "three again"}});
    std::string applied;
    for (const Message& message : rows.Messages())
        applied += message.edited + ";";
    EXPECT_EQ(applied, ";kept;5;;a;three again;;five;");

    std::vector<CutEntry> entries;
    for (int i = 0; i < 1200; ++i) // more than 999 numbered rows
        entries.push_back({i % 7 == 0 ? "" : "Original*01 text", 0});
    Document many, back;
    FillDocument(many, entries);
    FillDocument(back, entries);
    const std::string awkward[] = {"Two\r\nlines", "  spaces", "\\ back \\", "CR\r",    "\n",
                                   "1234 digits",  "\\r",      "plain",      {"\0", 1}, "\xFF"};
    for (int row = 1; row <= many.Count(); ++row)
        many.At(row).edited = row % 5 ? awkward[row % 10] + std::to_string(row) : "";

    ApplyTmfLines(back, ParseTmf(BuildTmf("C12.CUT", many, TmfContent::NewMessages).bytes).lines);
    for (int row = 1; row <= many.Count(); ++row) {
        const bool numbered = many.At(row).number != 0; // line 000 changes nothing
        ASSERT_EQ(back.At(row).edited, numbered ? many.At(row).edited : "") << row;
    }
}

} // namespace
} // namespace quillon
