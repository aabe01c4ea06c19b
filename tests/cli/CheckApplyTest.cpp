// "check" and "apply": a work file's messages validated, counted and written into a cutscene file.
#include "CliHarness.h"

namespace {

const std::string kClean = "Invalid messages: 0\nBlank messages: 0\n";

std::string WorkFile(const std::string& cutName, const std::string& lines) {
    return "Original CUT file: " + cutName + "\r\n\r\n" + lines;
}

} // namespace

TEST_F(CliTest, ExportCheckApplyGivesEverySampleBack) {
    for (const std::string name :
         {"C01.CUT", "C02.CUT", "C03.CUT", "C04.CUT", "C05.CUT", "C06.CUT"}) {
        SCOPED_TRACE(name);
        CopySample(name);
        ASSERT_EQ(Run({"export", name, "-o", "work.tmf"}).status, 0);
        const CliResult check = Run({"check", name, "work.tmf"});
        EXPECT_EQ(check.status, 0);
        EXPECT_EQ(check.out + check.err, kClean);
        const CliResult apply = Run({"apply", name, "work.tmf", "-o", "new.CUT"});
        EXPECT_EQ(apply.status, 0);
        EXPECT_EQ(apply.out + apply.err, kClean + "CUT file is created!\n");
        const std::string source = ReadBytes(Path(name)), written = ReadBytes(Path("new.CUT"));
        if (name == "C01.CUT") {
            // The message the reader trimmed is written without its two spaces.
            EXPECT_EQ(written.size(), source.size() - 2);
        } else {
            EXPECT_EQ(written, source);
        }
        EXPECT_EQ(Run({"list", "new.CUT"}).out, Run({"list", name}).out);
        fs::remove(Path(name));
    }
}

TEST_F(CliTest, ApplyPadsEditsAndUpdatesInPlace) {
    CopySample("C03.CUT");
    const std::string source = ReadBytes(Path("C03.CUT"));
    // 16 bytes against an original of 31: a space goes in front of the closing code.
    WriteBytes(Path("work.tmf"), WorkFile("C03.CUT", "001 *01No answer.*02\r\n"));
    ASSERT_EQ(Run({"apply", "C03.CUT", "work.tmf", "-o", "new.CUT"}).status, 0);
    // Only the bank length, the text end offset and the text block change.
    const std::string written = ReadBytes(Path("new.CUT"));
    EXPECT_EQ(written, source.substr(0, 8) + std::string("\0\0\0\x45", 4) +   // 81 - 12
                           source.substr(12, 18) + std::string("\0\x2d", 2) + // 24 + 1 + 18 + 2
                           source.substr(32, 12) + std::string("\0\x11*01No answer. *02\x01!", 21) +
                           source.substr(79));

    // The same file under another spelling: updated in place, the old one kept as .BAK.
    for (const std::string target : {"./C03.CUT", "C03.CUT"}) {
        const std::string before = ReadBytes(Path("C03.CUT"));
        const CliResult update = Run({"apply", "C03.CUT", "work.tmf", "-o", target});
        EXPECT_EQ(update.status, 0);
        EXPECT_EQ(update.out + update.err, kClean + "CUT file is updated!\n");
        EXPECT_EQ(ReadBytes(Path("C03.CUT")), written);
        EXPECT_EQ(ReadBytes(Path("C03.CUT.BAK")), before);
        EXPECT_EQ(Listing(), (Args{"C03.CUT", "C03.CUT.BAK", "new.CUT", "work.tmf"}));
    }
}

TEST_F(CliTest, ApplyWritesOnlyWhatTheEditorWouldWrite) {
    CopySample("C06.CUT");
    // 2 loses its code and 5 holds a tab: invalid. Leaving 7 and 8 out leaves them blank.
    const std::string some = "001 *30Welcome back.\r\n002 This one has no code.\r\n"
                             "003 And this?*32\r\n004 *33Mine.\r\n005 A teapot\tvolcano.\r\n"
                             "006 Every island needs one.*34\r\n009 Run!\r\n";
    const std::string all = some + "007 *35*36Hush.\r\n008 Oops*37.\r\n";
    const std::string invalid = "Invalid messages: 2\n2, 5\n", blank = "Blank messages: 2\n7, 8\n";
    struct Case {
        std::string header, lines;
        bool force;
        int status;
        std::string out, err;
    };
    const std::vector<Case> cases = {
        {"C06.CUT", some, false, 1, invalid + blank, "new.CUT: not written"},
        {"C06.CUT", some, true, 1, invalid + blank, "new.CUT: not written"}, // blank beats force
        {"C06.CUT", all, false, 1, invalid + "Blank messages: 0\n", "new.CUT: not written"},
        // A later line wins: message 1 grows past what one length byte can say.
        {"C06.CUT", all + "001 *30" + std::string(300, 'x') + "\r\n", true, 2,
         invalid + "Blank messages: 0\n", "new.CUT: not written"},
        {"C01.CUT", all, true, 2, "", "work.tmf: This file is for C01.CUT.\n"},
        {"c06.CUT", all, true, 2, "", "work.tmf: This file is for c06.CUT.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header + (c.force ? " forced" : "") + " " + c.out);
        WriteBytes(Path("work.tmf"), WorkFile(c.header, c.lines));
        Args args = {"apply", "C06.CUT", "work.tmf", "-o", "new.CUT"};
        if (c.force) args.push_back("--force");
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, c.out);
        EXPECT_TRUE(result.err.starts_with(c.err)) << result.err;
        ExpectOneErrorLine(result, c.err.substr(0, 8));
        EXPECT_EQ(Listing(), (Args{"C06.CUT", "work.tmf"}));
    }

    WriteBytes(Path("work.tmf"), WorkFile("C06.CUT", some));
    EXPECT_EQ(Run({"check", "C06.CUT", "work.tmf"}).out, invalid + blank);
    WriteBytes(Path("work.tmf"), WorkFile("C06.CUT", all));
    const CliResult forced = Run({"apply", "C06.CUT", "work.tmf", "-o", "new.CUT", "--force"});
    EXPECT_EQ(forced.status, 0);
    EXPECT_EQ(forced.out + forced.err, invalid + "Blank messages: 0\nCUT file is created!\n");
    // Message 5 gets a space to match its original's even length; its tab comes back escaped.
    EXPECT_NE(Run({"list", "new.CUT"}).out.find("\tA teapot\\tvolcano. \t\t18\t"),
              std::string::npos);
}
