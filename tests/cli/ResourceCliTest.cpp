// "unpack" and "pack" on resource files built by the test: what they print, return and leave.
#include "CliHarness.h"

#include "support/CutImage.h"
#include "support/ResourceImage.h"

using quillon::test::CutBytes;
using quillon::test::ResEntry;
using quillon::test::ResourceBytes;

namespace {

const std::string kIntro = CutBytes({"Well King...*00*01", "*01It was just dinner."});
const std::vector<ResEntry> kEntries = {
    {"CDINT.CUT", kIntro}, {"CDINT06.SB", "voice"}, {"Z.CUT", "", 2}, {"ZOMBIE.ACT", "walk"}};

} // namespace

TEST_F(CliTest, UnpackTakesOutTheCutscenesWithoutOverwritingAndPackPutsThemBack) {
    WriteBytes(Path("queen.1c"), ResourceBytes(kEntries));
    // Data last first: ZOMBIE.ACT right after the 99-byte table, then CDINT06.SB, then CDINT.CUT.
    EXPECT_EQ(Outcome(Run({"unpack", "--list", "queen.1c"})),
              "0|CDINT.CUT\t1\t108\t" + std::to_string(kIntro.size()) +
                  "\nCDINT06.SB\t1\t103\t5\nZ.CUT\t2\t0\t0\nZOMBIE.ACT\t1\t99\t4\n|");

    const std::string skipped =
        "queen.1c: skipped 1 entry kept in another bundle, not in this file: Z.CUT\n";
    EXPECT_EQ(Outcome(Run({"unpack", "queen.1c"})), "0|Entries unpacked: 1\n|" + skipped);
    EXPECT_EQ(ReadBytes(Path("CUT/CDINT.CUT")), kIntro);
    WriteBytes(Path("CUT/CDINT.CUT"), "mine");
    const CliResult again = Run({"unpack", "queen.1c"});
    EXPECT_TRUE(Outcome(again).starts_with("2||CUT: 1 file already exists (CDINT.CUT)"))
        << Outcome(again);
    ExpectOneErrorLine(again, "CUT");
    EXPECT_EQ(ReadBytes(Path("CUT/CDINT.CUT")), "mine");
    EXPECT_EQ(Outcome(Run({"unpack", "queen.1c", "--force"})).substr(0, 23),
              "0|Entries unpacked: 1\n|");
    EXPECT_EQ(ReadBytes(Path("CUT/CDINT.CUT")), kIntro);

    EXPECT_EQ(Outcome(Run({"unpack", "--all", "queen.1c", "-o", "all"})),
              "0|Entries unpacked: 3\n|" + skipped);
    EXPECT_EQ(ReadBytes(Path("all/CDINT06.SB")) + ReadBytes(Path("all/ZOMBIE.ACT")), "voicewalk");
    EXPECT_EQ(Listing(),
              "CUT/ CUT/CDINT.CUT all/ all/CDINT.CUT all/CDINT06.SB all/ZOMBIE.ACT queen.1c");
    fs::remove_all(Path("CUT")), fs::remove_all(Path("all"));

    // Packing puts the translation back or refuses before writing anything.
    const std::string game = ReadBytes(Path("queen.1c"));
    // A translated scene, with bytes outside ASCII, goes back in place of the original.
    const std::string translated =
        CutBytes({"Bien, rey... \xA1qu\xE9 noche!*00*01", "*01S\xF3lo cena."});
    fs::create_directory(Path("work"));
    WriteBytes(Path("work/CDINT.CUT"), translated);
    std::vector<ResEntry> expected = kEntries;
    expected[0].data = translated;

    EXPECT_EQ(Outcome(Run({"pack", "queen.1c", "work", "-o", "new.1c"})),
              "0|Entries replaced: 1\n|");
    EXPECT_EQ(ReadBytes(Path("new.1c")), ResourceBytes(expected));

    // A refusal: one line naming the file, exit status 2, and no new file.
    WriteBytes(Path("work/Z.cut"), kIntro);
    const CliResult elsewhere = Run({"pack", "queen.1c", "work", "-o", "other.1c"});
    // The file is named as the folder listing gives it: work\Z.cut on Windows.
    ExpectOneErrorLine(elsewhere, quillon::Utf8FromPath(fs::path("work") / "Z.cut") +
                                      ": the entry Z.CUT of queen.1c lies in bundle 2");
    fs::remove(Path("work/Z.cut"));
    EXPECT_EQ(elsewhere.status, 2);
    EXPECT_EQ(Listing(), "new.1c queen.1c work/ work/CDINT.CUT");

    // Onto the game itself, named another way: the old one kept as .BAK, no temporary file left.
    EXPECT_EQ(Outcome(Run({"pack", "queen.1c", "work", "-o", "./queen.1c"})),
              "0|Entries replaced: 1\n|");
    EXPECT_EQ(ReadBytes(Path("queen.1c")) + ReadBytes(Path("queen.1c.BAK")),
              ReadBytes(Path("new.1c")) + game);
    EXPECT_EQ(Listing(), "new.1c queen.1c queen.1c.BAK work/ work/CDINT.CUT");
}

TEST_F(CliTest, PackWithALanguageLetterSetsBothVersionStringsAndKeepsEverythingElse) {
    std::string jas(0x12484 + 10, 'j');
    jas.replace(0x12484, 6, std::string("CEM10\0", 6));
    std::vector<ResEntry> entries = kEntries;
    entries.push_back({"QUEEN.JAS", jas});
    WriteBytes(Path("queen.1c"), ResourceBytes(entries));
    fs::create_directory(Path("none"));

    EXPECT_EQ(Outcome(Run({"pack", "queen.1c", "none", "-o", "es.1c", "--language", "S"})),
              "0|Entries replaced: 0\nVersion CSM10 in the header and in QUEEN.JAS\n"
              "  font: the regular one\n"
              "  dialogue options: wider than 302 px split on several lines, with arrows\n"
              "  verb keys: a c o d m t h u (Spanish)\n|");
    // Unpacked again, QUEEN.JAS holds the header's string; packed back as it is, the file is
    // the same byte for byte, and with E it is the game again.
    EXPECT_EQ(Outcome(Run({"unpack", "--all", "es.1c", "-o", "es"})).substr(0, 23),
              "0|Entries unpacked: 4\n|");
    const std::string spanish = ReadBytes(Path("es.1c"));
    EXPECT_EQ(spanish.substr(4, 6) + ReadBytes(Path("es/QUEEN.JAS")).substr(0x12484, 6),
              std::string("CSM10\0CSM10\0", 12));
    EXPECT_EQ(Outcome(Run({"pack", "es.1c", "es", "-o", "again.1c"})), "0|Entries replaced: 4\n|");
    EXPECT_EQ(ReadBytes(Path("again.1c")), spanish);
    const CliResult back = Run({"pack", "es.1c", "es", "-o", "en.1c", "--language", "E"});
    EXPECT_NE(back.out.find("dialogue options: one line each, cut at the screen's edge"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(Path("en.1c")), ReadBytes(Path("queen.1c")));

    // A QUEEN.JAS of another version in the folder: refused, one line, nothing written.
    std::string french = jas;
    french[0x12485] = 'F';
    WriteBytes(Path("es/QUEEN.JAS"), french);
    const CliResult refused = Run({"pack", "es.1c", "es", "-o", "x.1c", "--language", "G"});
    ExpectOneErrorLine(refused, quillon::Utf8FromPath(fs::path("es") / "QUEEN.JAS"));
    EXPECT_NE(refused.err.find("are \"CFM10\\x00\", not the header's version string \"CSM10\""),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(Path("x.1c")));
}
