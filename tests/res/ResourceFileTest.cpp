// The resource file: what its table lists and every table that is refused, unpacking and
// packing, checked by the bytes written and by what is left on disk when something is refused.
#include "res/ResourceFile.h"
#include "res/Pack.h"
#include "res/Unpack.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "support/CutImage.h"
#include "support/Files.h"
#include "support/ResourceImage.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::CutBytes;
using test::ResEntry;
using test::ResourceBytes;
using test::SetEntry;

ResourceTableResult Parse(const std::string& image) {
    return ParseResourceTable(image, image.size(), "game.1c");
}

TEST(ResourceTable, ListsEveryEntryWithItsDataAndRefusesTablesThatLeadOutsideTheFileOrFolder) {
    const std::string image = ResourceBytes(
        {{"A.CUT", "aaaa"}, {"B.SB", ""}, {"C.CUT", "cc"}, {"D.PCX", "d", 2}, {"E.ACT", "eee"}},
        {.gaps = {"", "GAP"}, .trailer = "END"});
    const ResourceTableResult read = Parse(image);
    ASSERT_TRUE(read.ok()) << read.error;
    const ResourceTable& table = read.table;
    EXPECT_EQ(table.TableEnd(), 15u + 5 * 21);
    std::string listing;
    for (const ResourceEntry& e : table.entries) {
        listing += e.name + " " + std::to_string(e.bundle) + " " + std::to_string(e.size) + " ";
        listing += e.InThisFile() ? image.substr(e.offset, e.size) + ";" : "elsewhere;";
    }
    EXPECT_EQ(listing, "A.CUT 1 4 aaaa;B.SB 1 0 ;C.CUT 1 2 cc;D.PCX 2 1 elsewhere;E.ACT 1 3 eee;");
    EXPECT_EQ(std::pair(table.Find("c.cut"), table.Find("C.CU")), std::pair(2, -1));

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

struct ResourceFiles : ::testing::Test {
    test::TempDir dir;
    fs::path Path(const std::string& name) const { return dir / name; }
    void Put(const std::string& name, const std::string& bytes) const {
        fs::create_directories(Path(name).parent_path());
        test::WriteBytes(Path(name), bytes);
    }
    std::string Get(const std::string& name) const { return ReadWholeFile(Path(name)).bytes; }
    // Everything under the folder with its bytes, so a test sees what a command left behind.
    std::string Listing() const { return test::Listing(dir.path, true); }
};

const std::string kCut1 = CutBytes({"Hello*01", "Bye"});
const std::string kCut2 = CutBytes({"Second scene"});
const std::vector<ResEntry> kEntries = {
    {"A.CUT", kCut1}, {"B.SB", "sound"}, {"C.CUT", kCut2}, {"D.CUT", "", 2}, {"E.PCX", "picture"}};

TEST_F(ResourceFiles, PackAndUnpackWriteWhatTheyShouldOrRefuseLeavingNothing) {
    // Data last first (E.PCX first, A.CUT last), with gaps and a trailer that must stay put:
    // the builder lays out the expected file exactly as pack must.
    const test::ResParts parts{.gaps = {"", "G1", "", "G2"}, .trailer = "T"};
    const std::string game = ResourceBytes(kEntries, parts);
    Put("game.1c", game);
    fs::create_directory(Path("empty"));
    PackResult packed = Pack(Path("game.1c"), Path("empty"), Path("same.1c"));
    EXPECT_EQ(packed.error + std::to_string(packed.replaced) + "|" + Get("same.1c"), "0|" + game);

    const std::string longer = CutBytes({"Hello, a longer one*01", "Adi\xF3s"});
    const std::string shorter = CutBytes({"Hi*01", "Bye"});
    // Files put in (names in any case) and the entries they replace.
    const std::vector<std::vector<std::tuple<std::string, std::size_t, std::string>>> cases = {
        {{"e.pcx", 4, "PIC"}},
        {{"C.CUT", 2, longer}},
        {{"A.cut", 0, shorter}, {"B.SB", 1, ""}, {"E.PCX", 4, "a bigger picture"}},
    };
    for (const auto& files : cases) {
        fs::remove_all(Path("in"));
        std::vector<ResEntry> expected = kEntries;
        for (const auto& [name, entry, bytes] : files) {
            Put("in/" + name, bytes);
            expected[entry].data = bytes;
        }
        packed = Pack(Path("game.1c"), Path("in"), Path("new.1c"));
        EXPECT_EQ(packed.error + std::to_string(packed.replaced), std::to_string(files.size()));
        EXPECT_EQ(Get("new.1c"), ResourceBytes(expected, parts)) << std::get<0>(files[0]);
    }

    Put("game.1c", ResourceBytes(kEntries));
    Put("broken.CUT", kCut1.substr(0, 30));
    const std::vector<std::pair<std::vector<std::pair<std::string, std::string>>, std::string>>
        refusals = {
            {{{"A.CUT", kCut1}, {"notes.txt", "x"}, {"B.SB.orig", "y"}},
             "in: 2 files match no entry of " + Utf8FromPath(Path("game.1c")) +
                 ": B.SB.orig, notes.txt; nothing written."},
#ifndef _WIN32 // where letter case keeps names apart: on Windows they are one file
            // Two names for one entry are told before a subfolder in the way.
            {{{"C.CUT", kCut2}, {"c.cut", kCut2}, {"E.PCX/inner", "x"}},
             "in: C.CUT and c.cut both stand for the entry C.CUT"},
#endif
            {{{"A.CUT", kCut1.substr(0, 30)}}, "A.CUT: the file ends inside the"},
            {{{"C.CUT", "not a cutscene"}}, "C.CUT: the file is not an AMOS memory bank"},
            {{{"E.PCX/inner", "x"}}, "in: E.PCX is not a file; nothing written."},
        };
    for (const auto& [files, expected] : refusals) {
        fs::remove_all(Path("in"));
        for (const auto& [name, bytes] : files)
            Put("in/" + name, bytes);
        const auto before = Listing();
        const PackResult packed = Pack(Path("game.1c"), Path("in"), Path("new.1c"));
        EXPECT_NE(packed.error.find(expected), std::string::npos) << packed.error;
        EXPECT_EQ(packed.error.find('\n'), std::string::npos);
        EXPECT_EQ(Listing(), before);
    }
    for (const auto& [game, dir, output, expected] :
         std::vector<std::tuple<std::string, std::string, std::string, std::string>>{
             {"broken.CUT", "empty", "new.1c", "it starts with \"AmBk\""},
             {"missing.1c", "empty", "new.1c", "missing.1c: the file does not exist."},
             {"game.1c", "nowhere", "new.1c", "nowhere: the folder does not exist."},
             {"game.1c", "game.1c", "new.1c", "game.1c: this is a file, not a folder."},
             {"game.1c", "empty", "empty", "empty: this is a folder; nothing written."},
             {"game.1c", "empty", "no/new.1c", "Cannot write"}}) {
        const auto before = Listing();
        const PackResult packed = Pack(Path(game), Path(dir), Path(output));
        EXPECT_NE(packed.error.find(expected), std::string::npos) << packed.error;
        EXPECT_EQ(Listing(), before);
    }

    // A table that claims a file just under 4 GiB: planning needs no data.
    std::string image = ResourceBytes({{"A.CUT", "a"}, {"B.SB", "b"}}, {.dataOrder = {0, 1}});
    SetEntry(image, 1, 0xFFFFFF00u, 0x10);
    const ResourceTableResult read = ParseResourceTable(image, 0xFFFFFF10u, "big.1c");
    ASSERT_TRUE(read.ok()) << read.error;
    // B.SB may end at 4 GiB exactly, not one byte later.
    EXPECT_EQ(PlanPack(read.table, {{0, "A.CUT", 0xF1}}).error, "");
    EXPECT_EQ(PlanPack(read.table, {{0, "A.CUT", 0xF2}}).error,
              "the new file would not fit the table's 32-bit offsets: B.SB would lie at offsets "
              "4294967281 to 4294967297, past 4 GiB.");
    EXPECT_NE(PlanPack(read.table, {{1, "B.SB", 0x100000000u}}).error.find("past 4 GiB"),
              std::string::npos);

    Put("game.1c", ResourceBytes(kEntries, {.gaps = {"", "G1"}}));
    // Files already there, or a folder in the way.
    Put("out/CUT/A.CUT", "mine");
    Put("out/CUT/C.CUT", kCut2);
    const auto before = Listing();
    UnpackResult result = Unpack(Path("game.1c"), Path("out/CUT"), {.all = true});
    EXPECT_NE(result.error.find("2 files already exist (A.CUT, C.CUT); --force replaces them."),
              std::string::npos)
        << result.error;
    fs::create_directories(Path("out/CUT/B.SB"));
    result = Unpack(Path("game.1c"), Path("out/CUT"), {.all = true, .force = true});
    EXPECT_NE(result.error.find("B.SB is a folder where an entry would go"), std::string::npos);
    fs::remove(Path("out/CUT/B.SB"));
    EXPECT_EQ(Listing(), before);
    result = Unpack(Path("game.1c"), Path("game.1c"), {});
    EXPECT_NE(result.error.find("game.1c: this is a file, not a folder."), std::string::npos);

    // A broken table makes nothing, not even the folder.
    Put("bad.1c", ResourceBytes(kEntries).substr(0, 100));
    result = Unpack(Path("bad.1c"), Path("fresh"), {});
    EXPECT_NE(result.error.find("bad.1c: "), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("fresh")));
}

// A QUEEN.JAS long enough to hold the version string (and its NUL) where the engine looks.
std::string JasBytes(const std::string& version, char filler = 'j') {
    std::string jas(kJasVersionAt + 12, filler);
    jas.replace(kJasVersionAt, version.size() + 1, version + '\0');
    return jas;
}

// An image with another version string in its header.
std::string WithVersion(std::string image, std::string_view version) {
    image.replace(kResourceVersionAt, version.size(), version);
    return image;
}

TEST_F(ResourceFiles, PackWritesTheLanguageLetterIntoBothVersionStringsOrRefuses) {
    const std::string jas = JasBytes("CEM10");
    const std::vector<ResEntry> entries = {{"A.CUT", kCut1}, {"QUEEN.JAS", jas}, {"Z.SB", "s"}};
    const test::ResParts parts{.gaps = {"", "G"}, .trailer = "T"};
    const std::string game = ResourceBytes(entries, parts);
    Put("game.1c", game);
    // The game's letter and the one of a QUEEN.JAS put in by the folder; a cutscene before the
    // entry grows, so the letter lands at the entry's new place.
    const std::string longer = CutBytes({"Hello, a longer one*01", "Adi\xF3s"});
    const std::string theirJas = JasBytes("CEM10", 'k');
    const std::vector<
        std::tuple<char, std::vector<std::pair<std::string, std::string>>, std::string>>
        cases = {
            {'S', {}, "CSM10"},
            {'g', {{"A.CUT", longer}}, "CgM10"},
            {'G', {{"queen.jas", theirJas}, {"A.CUT", longer}}, "CGM10"},
            {'E', {}, "CEM10"},
        };
    for (const auto& [letter, files, version] : cases) {
        fs::remove_all(Path("in"));
        fs::create_directories(Path("in"));
        std::vector<ResEntry> expected = entries;
        expected[1].data = JasBytes(version);
        for (const auto& [name, bytes] : files) {
            Put("in/" + name, bytes);
            if (name == "A.CUT") expected[0].data = bytes;
            if (name == "queen.jas") expected[1].data = JasBytes(version, 'k');
        }
        const PackResult packed = Pack(Path("game.1c"), Path("in"), Path("new.1c"), {letter});
        EXPECT_EQ(packed.error + packed.version, version);
        EXPECT_EQ(Get("new.1c"), WithVersion(ResourceBytes(expected, parts), version)) << letter;
        EXPECT_EQ(Get("in/queen.jas"), files.size() > 1 ? theirJas : "") << "the folder's copy";
    }
    const std::vector<std::tuple<std::string, std::string, std::string>> refusals = {
        {WithVersion(game, "PE100"), "",
         "the version string is \"PE100\", not a full PC release's"},
        {WithVersion(game, "CEM11"), "", "the version string is \"CEM11\""},
        {ResourceBytes({{"QUEEN.JAS", JasBytes("CEM11")}}), "",
         "QUEEN.JAS: the bytes at 0x12484 are \"CEM11\\x00\", not the header's version string "
         "\"CEM10\""},
        {ResourceBytes({{"QUEEN.JAS", "short"}}), "", "QUEEN.JAS: too short"},
        {ResourceBytes({{"A.CUT", kCut1}}), "", "no QUEEN.JAS in this file"},
        {game, JasBytes("CFM10"), "QUEEN.JAS: the bytes at 0x12484 are \"CFM10\\x00\""},
    };
    for (const auto& [image, theirs, expected] : refusals) {
        fs::remove_all(Path("in"));
        fs::create_directories(Path("in"));
        if (!theirs.empty()) Put("in/QUEEN.JAS", theirs);
        Put("bad.1c", image);
        fs::remove(Path("new.1c"));
        const auto before = Listing();
        const PackResult packed = Pack(Path("bad.1c"), Path("in"), Path("new.1c"), {'S'});
        EXPECT_NE(packed.error.find(expected), std::string::npos) << packed.error;
        EXPECT_TRUE(packed.error.ends_with("nothing written.")) << packed.error;
        EXPECT_EQ(Listing(), before);
    }
}

} // namespace
} // namespace quillon
