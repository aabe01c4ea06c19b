// File names outside ASCII and in another letter case: what the tool reads, writes and prints.
#include "CliHarness.h"

TEST_F(CliTest, NamesOutsideAsciiStartingWithASlashOrInAnotherCaseGoThroughEveryCommand) {
    // Narrow literals are UTF-8 (the source's own encoding), as the tool takes names.
    const std::string kFolder = "Übersetzung", kCut = kFolder + "/É1.CUT",
                      kWork = kFolder + "/é1.tmf";
    fs::create_directory(Path(kFolder));
    CopySample("C06.CUT", kCut);
    const std::string original = ReadBytes(Path(kCut));

    EXPECT_EQ(Outcome(Run({"export", kCut, "-o", kWork})), "0||");
    // The header names the file in the same UTF-8 bytes on every system.
    EXPECT_TRUE(ReadBytes(Path(kWork)).starts_with("Original CUT file: É1.CUT\r\n\r\n"));
    EXPECT_EQ(Outcome(Run({"check", kCut, kWork})), "0|" + kClean + "|");
    EXPECT_EQ(Run({"list", kCut}).out,
              Run({"list", quillon::Utf8FromPath(kSamples / "C06.CUT")}).out);
    EXPECT_EQ(Outcome(Run({"apply", kCut, kWork, "-o", kCut})),
              "0|" + kClean + "CUT file is updated!\n|");
    EXPECT_EQ(ReadBytes(Path(kCut)) + ReadBytes(Path(kCut + ".BAK")), original + original);
    EXPECT_EQ(Listing(kFolder), "É1.CUT É1.CUT.BAK é1.tmf");

    // Errors name the file as it was given, in UTF-8.
    const std::string missing = kFolder + "/Ñ.CUT";
    for (const Args& args : {Args{"list", missing}, Args{"check", kCut, missing},
                             Args{"apply", kCut, kWork, "-o", kFolder + "/Ñ/new.CUT"}}) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2) << Outcome(result);
        ExpectOneErrorLine(result, args.back());
    }
    // A name starting with a slash is a file on Windows too, where CLI11 would take it for an
    // option of the "/name" kind.
    for (const std::string command : {"list", "export"})
        EXPECT_EQ(Outcome(Run({command, "/no such folder/C03.CUT"})),
                  "2||/no such folder/C03.CUT: the file does not exist.\n");

    // Names differing only in case are one file only where the system says so.
    fs::remove_all(Path(kFolder));
    CopySample("C06.CUT");
    WriteBytes(Path("C06.CUT.bak"), "an older backup");
    ASSERT_EQ(Run({"export", "C06.CUT", "-o", "work.tmf"}).status, 0);
    const std::string c06 = ReadBytes(Path("C06.CUT"));
#ifdef _WIN32
    // The file is named as its folder spells it, so its work file is for C06.CUT.
    EXPECT_TRUE(Run({"export", "c06.cut"}).out.starts_with("Original CUT file: C06.CUT\r\n"));
    EXPECT_EQ(Outcome(Run({"check", "c06.cut", "work.tmf"})), "0|" + kClean + "|");
    // Applying onto the other spelling updates the file in place: the file and its backup
    // keep their own spellings, and no second backup appears.
    EXPECT_EQ(Outcome(Run({"apply", "C06.CUT", "work.tmf", "-o", "c06.cut"})),
              "0|" + kClean + "CUT file is updated!\n|");
    EXPECT_EQ(Listing(), "C06.CUT C06.CUT.bak work.tmf");
    EXPECT_EQ(ReadBytes(Path("C06.CUT.bak")), c06);
#else
    ExpectOneErrorLine(Run({"export", "c06.cut"}), "c06.cut");
    EXPECT_EQ(Outcome(Run({"apply", "C06.CUT", "work.tmf", "-o", "c06.cut"})),
              "0|" + kClean + "CUT file is created!\n|");
    EXPECT_EQ(Listing(), "C06.CUT C06.CUT.bak c06.cut work.tmf");
    EXPECT_EQ(ReadBytes(Path("C06.CUT.bak")), "an older backup");
#endif
    EXPECT_EQ(ReadBytes(Path("C06.CUT")), c06);
}
