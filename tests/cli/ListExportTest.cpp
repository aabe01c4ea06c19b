// "list" escaping cells and "export" writing the originals as a .TMF.
#include "CliHarness.h"

TEST_F(CliTest, ListEscapesTabsLineBreaksAndBackslashes) {
    // "Run!", the last message of C06.CUT, becomes tab, backslash, CR, LF: the same length.
    std::string bytes = ReadBytes(kSamples / "C06.CUT");
    bytes.replace(bytes.rfind("Run!"), 4, "\t\\\r\n");
    WriteBytes(Path("C06.CUT"), bytes);
    const std::string out = Run({"list", "C06.CUT"}).out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 13);
    EXPECT_TRUE(out.ends_with("\n9\t12\t1\t12\t10\t\\t\\\\\\r\\n\t\t4\t0\t0\t0\t0\t0\n")) << out;
}

TEST_F(CliTest, ExportWritesTheOriginalsByteForByte) {
    // Written out by hand from the dialogue of the sample: real messages only, the trimmed one
    // without its spaces, Windows-1252 bytes untouched.
    const std::string expected =
        "Original CUT file: C01.CUT\r\n\r\n"
        "001 *01Good morning, captain. The seaplane is fuelled and ready.\r\n"
        "002 Where did you leave the map of the river?*Fa\r\n"
        "003 I*02 told you*03 it is under the seat, next to the parrot.\r\n"
        "004 Caf\xe9 au lait for the pilot, s'il vous pla\xeet.*10\r\n"
        "005 Let us go*AB\r\n"
        "006 *Ab*Cd\r\n"
        "007 The na\xefve explorer smiled at the se\xf1ora.\r\n";
    EXPECT_EQ(Outcome(Run({"export", quillon::Utf8FromPath(kSamples / "C01.CUT")})),
              "0|" + expected + "|");

    WriteBytes(Path("work.tmf"), std::string(5000, 'x')); // replaced whole
    EXPECT_EQ(
        Outcome(Run({"export", quillon::Utf8FromPath(kSamples / "C01.CUT"), "--output=work.tmf"})),
        "0||");
    EXPECT_EQ(ReadBytes(Path("work.tmf")), expected);

    // The header names the file without its folder, also when it has no real message.
    fs::create_directory(Path("scenes"));
    CopySample("C04.CUT", "scenes/Intro.cut");
    EXPECT_EQ(Run({"export", "scenes/Intro.cut"}).out, "Original CUT file: Intro.cut\r\n\r\n");
    EXPECT_EQ(Listing(), "scenes/ scenes/Intro.cut work.tmf");
}
