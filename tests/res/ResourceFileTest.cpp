// Reading the resource table: what it lists, and every table that is refused.
#include "res/ResourceFile.h"

#include "support/ResourceImage.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillon {
namespace {

using test::ResEntry;
using test::ResourceBytes;
using test::SetEntry;

ResourceTableResult Parse(const std::string& image) {
    return ParseResourceTable(image, image.size(), "game.1c");
}

TEST(ResourceTable, ListsEveryEntryInTableOrderWithItsData) {
    const std::string image = ResourceBytes(
        {{"A.CUT", "aaaa"}, {"B.SB", ""}, {"C.CUT", "cc"}, {"D.PCX", "d", 2}, {"E.ACT", "eee"}},
        {.gaps = {"", "GAP"}, .trailer = "END"});
    const ResourceTableResult read = Parse(image);
    ASSERT_TRUE(read.ok()) << read.error;
    const ResourceTable& table = read.table;
    EXPECT_EQ(table.Version(), "CEM10");
    EXPECT_EQ(table.TableEnd(), 15u + 5 * 21);
    std::string listing;
    for (const ResourceEntry& e : table.entries) {
        listing += e.name + " " + std::to_string(e.bundle) + " " + std::to_string(e.size) + " ";
        listing += e.InThisFile() ? image.substr(e.offset, e.size) + ";" : "elsewhere;";
    }
    EXPECT_EQ(listing, "A.CUT 1 4 aaaa;B.SB 1 0 ;C.CUT 1 2 cc;D.PCX 2 1 elsewhere;E.ACT 1 3 eee;");
    EXPECT_EQ(table.Find("c.cut"), 2);
    EXPECT_EQ(table.Find("C.CU"), -1);
}

TEST(ResourceTable, RefusesTablesThatCouldLeadOutsideTheFileOrTheFolder) {
    const std::string good = ResourceBytes({{"A.CUT", "aaaa"}, {"B.CUT", "bb"}});
    // Data last first: B at 57, A at 59; the table ends at 57.
    std::string pastEnd = good, intoTable = good, overlap = good, hugeCount = good;
    SetEntry(pastEnd, 0, 59, 5);
    SetEntry(intoTable, 1, 56, 2);
    SetEntry(overlap, 1, 58, 2);
    hugeCount[kResourceCountAt] = '\xFF';
    const std::vector<std::tuple<std::string, std::string>> cases = {
        {"", "not a resource file with an embedded table (no \"QTBL\" header; the file is empty)"},
        {std::string("AmBk\0\1", 6), "it is a cutscene file (.CUT) itself"},
        {"MZ\x90\x01rest", "it starts with 4D 5A 90 01 (\"MZ\\x90\\x01\")"},
        {"QTBLCEM10", "ends inside the 15-byte header"},
        {good.substr(0, 50), "the table of 2 entries needs 57 bytes, but the file holds only 50."},
        {hugeCount, "the table of 65282 entries needs"},
        {pastEnd,
         "entry 1 (A.CUT) runs past the end of the file (offset 59, size 5, file size 63)"},
        {intoTable, "entry 2 (B.CUT) starts at offset 56, inside the table, which ends at 57."},
        {overlap, "entry 2 (B.CUT) and entry 1 (A.CUT) overlap (offsets 58 to 60 and 59 to 63)"},
        {ResourceBytes({{"A.CUT", "a"}, {"a.cut", "b"}}),
         "(A.CUT) and entry 2 (a.cut) have the same"},
    };
    for (const auto& [image, expected] : cases) {
        const ResourceTableResult read = Parse(image);
        EXPECT_TRUE(read.error.starts_with("game.1c: ")) << read.error;
        EXPECT_NE(read.error.find(expected), std::string::npos) << read.error;
        EXPECT_TRUE(read.table.entries.empty());
    }

    for (const std::string bad :
         {"", "../CUT", "..", "A/B.CUT", "A\\B", "C:X.CUT", "A*.CUT", "CON.CUT", "lpt1", "NUL",
          "A B", "A\tB", "CAF\xC9.CUT", "X.", "A..B"}) {
        const ResourceTableResult read = Parse(ResourceBytes({{"A.CUT", "a"}, {bad, "x"}}));
        EXPECT_NE(read.error.find("entry 2 (" + ShownName(bad) + ") cannot be a file's name: "),
                  std::string::npos)
            << read.error;
    }
    for (const std::string fine : {"CDINT.CUT", "A_1.SB", "COM10.X", "CONSOLE.CUT", "LPT0", "Z"})
        EXPECT_EQ(PlainNameProblem(fine), "") << fine;

    // Other bundles' data are not in this file: their offsets mean nothing here.
    std::string elsewhere = ResourceBytes({{"A.CUT", "a"}, {"B.CUT", "b", 3}});
    SetEntry(elsewhere, 1, 0, 1000000);
    EXPECT_TRUE(Parse(elsewhere).ok());
}

} // namespace
} // namespace quillon
