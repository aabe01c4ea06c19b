// "list" escaping cells, "export" writing the originals as a .TMF, "check" and "apply": a work
// file's messages validated, counted and written into a cutscene file; and "status": a folder
// of cutscene files with each one's newest work file, counted as "check" counts each pair
// (both count with the same function); and a credits file, whose locked lines stay.
#include "CliHarness.h"
#include "support/DogImage.h"

#include <chrono>
#include <tuple>

TEST_F(CliTest, EverySampleIsListedExportedAndComesBackThroughCheckAndApply) {
    // Written out by hand from the dialogue of C01.CUT: real messages only, the trimmed one
    // without its spaces, Windows-1252 bytes untouched.
    const std::string c01 = "Original CUT file: C01.CUT\r\n\r\n"
                            "001 *01Good morning, captain. The seaplane is fuelled and ready.\r\n"
                            "002 Where did you leave the map of the river?*FL\r\n"
                            "003 I*02 told you*03 it is under the seat, next to the parrot.\r\n"
                            "004 Caf\xe9 au lait for the pilot, s'il vous pla\xeet.*10\r\n"
                            "005 Let us go*FR\r\n"
                            "006 *FB*FF\r\n"
                            "007 The na\xefve explorer smiled at the se\xf1ora.\r\n";
    for (const std::string name :
         {"C01.CUT", "C02.CUT", "C03.CUT", "C04.CUT", "C05.CUT", "C06.CUT"}) {
        SCOPED_TRACE(name);
        CopySample(name);
        // The header, then a line of cells for each entry (the cells of one are checked below).
        const CliResult list = Run({"list", name});
        EXPECT_EQ(std::to_string(list.status) + list.err, "0");
        EXPECT_TRUE(list.out.starts_with(
            "Real A/A\tA/A\tBlock\tNumber in block\tReal number in block\tOriginal message\t"
            "New message\tOriginal length\tNew length\tBad\t1st cc\t2nd cc\t3rd cc\n"));

        // Exported to a file, which is replaced whole, and to stdout alike.
        WriteBytes(Path("work.tmf"), std::string(5000, 'x'));
        EXPECT_EQ(Outcome(Run({"export", name, "--output=work.tmf"})), "0||");
        const std::string exported = ReadBytes(Path("work.tmf"));
        EXPECT_EQ(Run({"export", name}).out, exported);
        // Message 3 of C05.CUT makes 9 lines where the game shows 8: a warning, status 0.
        const std::string verdict =
            name == std::string("C05.CUT") ? kValid + "Layout warnings: 1\n3\n" : kClean;
        EXPECT_EQ(Outcome(Run({"check", name, "work.tmf"})), "0|" + verdict + "|");
        EXPECT_EQ(Outcome(Run({"apply", name, "work.tmf", "-o", "new.CUT"})),
                  "0|" + verdict + "CUT file is created!\n|");
        const std::string source = ReadBytes(Path(name)), written = ReadBytes(Path("new.CUT"));
        if (name == "C01.CUT") // the message the reader trimmed is written without its two spaces
            EXPECT_EQ(exported + std::to_string(source.size() - written.size()), c01 + "2");
        else
            EXPECT_EQ(written, source);
        EXPECT_EQ(Run({"list", "new.CUT"}).out, list.out);
        fs::remove(Path(name));
    }

    // The header names the file without its folder, also when it has no real message.
    fs::create_directory(Path("scenes"));
    CopySample("C04.CUT", "scenes/Intro.cut");
    EXPECT_EQ(Run({"export", "scenes/Intro.cut"}).out, "Original CUT file: Intro.cut\r\n\r\n");
    EXPECT_EQ(Listing(), "new.CUT scenes/ scenes/Intro.cut work.tmf");

    // "Run!", the last message of C06.CUT, becomes tab, backslash, CR, LF: the same length.
    std::string bytes = ReadBytes(kSamples / "C06.CUT");
    bytes.replace(bytes.rfind("Run!"), 4, "\t\\\r\n");
    WriteBytes(Path("C06.CUT"), bytes);
    const std::string out = Run({"list", "C06.CUT"}).out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 13);
    EXPECT_TRUE(out.ends_with("\n9\t12\t1\t12\t10\t\\t\\\\\\r\\n\t\t4\t0\t0\t0\t0\t0\n")) << out;
}

// A path as the system joins it (work\C03.tmf on Windows), in a cell: backslashes escaped.
static std::string PathCell(const std::string& folder, const std::string& name) {
    std::string cell;
    for (char c : quillon::Utf8FromPath(fs::path(folder) / name))
        cell += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return cell;
}

TEST_F(CliTest, ApplyWritesOnlyWhatTheEditorWouldWriteAndStatusCountsEachFile) {
    CopySample("C06.CUT");
    // 2 loses its code and 5 holds a tab: invalid. Leaving 7 and 8 out leaves them blank.
    const std::string some = "001 *30Welcome back.\r\n002 This one has no code.\r\n"
                             "003 And this?*32\r\n004 *33Mine.\r\n005 A teapot\tvolcano.\r\n"
                             "006 Every island needs one.*34\r\n009 Run!\r\n";
    const std::string all = some + "007 *35*36Hush.\r\n008 Oops*37.\r\n";
    // 2 and 5 mended: nothing invalid.
    const std::string mended = all + "002 An island*31 never seen.\r\n005 A teapot volcano.\r\n";
    const std::string invalid = "Invalid messages: 2\n2, 5\n",
                      blank = "Blank messages: 2\n7, 8\nWarnings: 0\nLayout warnings: 0\n";
    const std::string counted = invalid + "Blank messages: 0\nWarnings: 0\nLayout warnings: 0\n",
                      refused = "new.CUT: not written";
    // The work file's header and lines, --force, and the outcome up to the error's first words.
    const std::vector<std::tuple<std::string, std::string, bool, std::string>> cases = {
        {"C06.CUT", some, false, "1|" + invalid + blank + "|" + refused},
        {"C06.CUT", some, true, "1|" + invalid + blank + "|" + refused}, // blank beats force
        {"C06.CUT", all, false, "1|" + counted + "|" + refused},
        // Codes and a space show nothing where the original has words: blank, not written.
        {"C06.CUT", mended + "004 *33 \r\n", true,
         "1|Invalid messages: 0\nBlank messages: 1\n4\nWarnings: 0\nLayout warnings: 0\n|" +
             refused + ". 1 message is blank."},
        // A later line wins: message 1 grows past what one length byte can say (and what the
        // game shows of a piece).
        {"C06.CUT", all + "001 *30" + std::string(300, 'x') + "\r\n", true,
         "2|" + invalid + "Blank messages: 0\nWarnings: 0\nLayout warnings: 1\n1\n|" + refused},
        {"C01.CUT", all, true, "2||work.tmf: This file is for C01.CUT.\n"},
        {"c06.CUT", all, true, "2||work.tmf: This file is for c06.CUT.\n"},
    };
    for (const auto& [header, lines, force, outcome] : cases) {
        SCOPED_TRACE(outcome);
        WriteBytes(Path("work.tmf"), TmfBytes(header, lines));
        Args args = {"apply", "C06.CUT", "work.tmf", "-o", "new.CUT"};
        if (force) args.push_back("--force");
        const CliResult result = Run(args);
        EXPECT_TRUE(Outcome(result).starts_with(outcome)) << Outcome(result);
        ExpectOneErrorLine(result, outcome.substr(outcome.rfind('|') + 1, 8));
        EXPECT_EQ(Listing(), "C06.CUT work.tmf");
    }

    WriteBytes(Path("work.tmf"), TmfBytes("C06.CUT", some));
    EXPECT_EQ(Outcome(Run({"check", "C06.CUT", "work.tmf"})), "1|" + invalid + blank + "|");
    WriteBytes(Path("work.tmf"), TmfBytes("C06.CUT", "009 Run!\r\n")); // blank ones only
    EXPECT_EQ(Run({"check", "C06.CUT", "work.tmf"}).status, 1);
    // A code the game does not know is invalid; a known one other than the original's is a
    // warning, which leaves the exit status as it is.
    const std::pair<std::string, std::string> checked[] = {
        {"001 *3TWelcome back.\r\n",
         "1|Invalid messages: 1\n1\nBlank messages: 0\nWarnings: 0\nLayout warnings: 0\n|"},
        {"001 *04Welcome back.\r\n008 Oops*38.\r\n",
         "0|Invalid messages: 0\nBlank messages: 0\nWarnings: 2\n1, 8\nLayout warnings: 0\n|"},
        {"001 *XY01(160,100)Welcome back.\r\n", "0|Invalid messages: 0\nBlank messages: 0\n"
                                                "Warnings: 1\n1\nLayout warnings: 0\n|"},
        // Nine lines of speech in one piece: valid, but the game shows eight.
        {"006 Every island needs one, and this one has a volcano, a lagoon, a lighthouse, "
         "a harbour full of rowing boats and a pirate with a parrot who talks of nothing but "
         "the treasure nobody ever found again and again.*34\r\n",
         "0|Invalid messages: 0\nBlank messages: 0\nWarnings: 0\nLayout warnings: 1\n6\n|"}};
    for (const auto& [lines, outcome] : checked) {
        WriteBytes(Path("work.tmf"), TmfBytes("C06.CUT", mended + lines));
        EXPECT_EQ(Outcome(Run({"check", "C06.CUT", "work.tmf"})), outcome) << lines;
    }
    WriteBytes(Path("work.tmf"), TmfBytes("C06.CUT", all));
    EXPECT_EQ(Outcome(Run({"apply", "C06.CUT", "work.tmf", "-o", "new.CUT", "--force"})),
              "0|" + counted + "CUT file is created!\n|");
    // Message 5 gets a space to match its original's even length; its tab comes back escaped.
    EXPECT_NE(Run({"list", "new.CUT"}).out.find("\tA teapot\\tvolcano. \t\t18\t"),
              std::string::npos);

    // The same file under another spelling: updated in place, the old one kept as .BAK.
    const std::string written = ReadBytes(Path("new.CUT"));
    // Once updated, message 2 is its own original and no longer invalid.
    const std::vector<std::pair<std::string, std::string>> targets = {
        {"./C06.CUT", counted},
        {"C06.CUT",
         "Invalid messages: 1\n5\nBlank messages: 0\nWarnings: 0\nLayout warnings: 0\n"}};
    for (const auto& [target, verdict] : targets) {
        const std::string before = ReadBytes(Path("C06.CUT"));
        EXPECT_EQ(Outcome(Run({"apply", "C06.CUT", "work.tmf", "-o", target, "--force"})),
                  "0|" + verdict + "CUT file is updated!\n|");
        EXPECT_EQ(ReadBytes(Path("C06.CUT")) + ReadBytes(Path("C06.CUT.BAK")), written + before);
        EXPECT_EQ(Listing(), "C06.CUT C06.CUT.BAK new.CUT work.tmf");
    }

    // Status counts each file of a folder with its newest work file.
    fs::create_directories(Path("cuts"));
    fs::create_directories(Path("work"));
    for (const std::string name :
         {"C01.CUT", "C02.CUT", "C03.CUT", "C04.CUT", "C05.CUT", "C06.CUT"})
        CopySample(name, "cuts/" + name);
    // Work files made older or newer on purpose: the newest one counts. (A work file for a
    // name in another case, and an unfinished one, are passed over as the project window
    // shows; WholeFileTest.cpp.)
    const std::tuple<std::string, std::string, int> works[] = {
        {"C06-old.tmf", TmfBytes("C06.CUT", "001 *30Old.\r\n"), 5},
        {"C06-new.TMF", TmfBytes("C06.CUT", "001 *30Welcome.\r\n002 No code.\r\n003 A\tb*32\r\n"),
         1},
        {"C03.tmf", TmfBytes("C03.CUT", "001 *01Nadie contesta.*02\r\n"), 2},
        {"empty.tmf", "", 0}};
    for (const auto& [name, bytes, hoursAgo] : works) {
        WriteBytes(Path("work/" + name), bytes);
        fs::last_write_time(Path("work/" + name),
                            fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
    }
    // C06.CUT has invalid messages: exit status 1. Message 6 of C01.CUT is codes alone: it
    // needs no translation, and is not counted.
    const CliResult status = Run({"status", "cuts", "--tmf", "work"});
    EXPECT_EQ(Outcome(status), "1|C01.CUT\t6\t0\t0\t6\t0\t0\t\nC02.CUT\t3\t0\t0\t3\t0\t0\t\n"
                               "C03.CUT\t1\t1\t0\t0\t0\t0\t" +
                                   PathCell("work", "C03.tmf") +
                                   "\nC04.CUT\t0\t0\t0\t0\t0\t0\t\nC05.CUT\t4\t0\t0\t4\t0\t1\t\n"
                                   "C06.CUT\t9\t1\t0\t6\t2\t0\t" +
                                   PathCell("work", "C06-new.TMF") +
                                   "\nTotal\t23\t2\t0\t19\t2\t1\n|");
    // Without a work folder every message is blank, and blank alone is not a failure; the
    // layout is measured on the originals (message 3 of C05.CUT is 9 lines).
    const CliResult bare = Run({"status", "cuts"});
    EXPECT_TRUE(bare.status == 0 && bare.out.ends_with("\nTotal\t23\t0\t0\t23\t0\t1\n"))
        << Outcome(bare);
    // Exported work files hold the originals: nothing is translated yet.
    fs::create_directories(Path("exported"));
    for (const std::string name : {"C01.CUT", "C03.CUT", "C06.CUT"})
        Run({"export", "cuts/" + name, "-o", "exported/" + name + ".tmf"});
    EXPECT_TRUE(Run({"status", "cuts", "--tmf", "exported"})
                    .out.ends_with("\nC06.CUT\t9\t0\t9\t0\t0\t0\t" +
                                   PathCell("exported", "C06.CUT.tmf") +
                                   "\nTotal\t23\t0\t16\t7\t0\t1\n"));
    // A file or folder that cannot be read is named, and the rest is still counted.
    WriteBytes(Path("cuts/BROKEN.cut"), "AmBk and nothing more");
    const CliResult broken = Run({"status", "cuts"});
    EXPECT_EQ(std::to_string(broken.status) + broken.out, "2" + bare.out);
    ExpectOneErrorLine(broken, quillon::Utf8FromPath(fs::path("cuts") / "BROKEN.cut"));
    for (const char* line : {"status nowhere", "status cuts --tmf nowhere"})
        EXPECT_EQ(Outcome(RunLine(line)), "2||nowhere: not a folder.\n") << line;
}

TEST_F(CliTest, ACreditsFileGoesThroughEveryCommandAndItsLockedLinesStayAsTheyAre) {
    // Directives, an empty spacer, the end line without a line break, as the game's are.
    const std::string credits = ".c\r\n.i 3\r\nA game by\r\n\r\n  Steve\r\n.p 0\r\nThanks\r\nEND";
    fs::create_directories(Path("crd"));
    fs::create_directories(Path("new"));
    WriteBytes(Path("crd/CREDIT9.CRD"), credits);
    const CliResult exported = Run({"export", "crd/CREDIT9.CRD"});
    EXPECT_EQ(Outcome(exported), "0|Original CUT file: CREDIT9.CRD\r\n\r\n001 .c\r\n002 .i 3\r\n"
                                 "003 A game by\r\n005   Steve\r\n006 .p 0\r\n007 Thanks\r\n"
                                 "008 END\r\n|");
    // Three lines to translate: the spacer is no text, directives and the end are locked.
    EXPECT_EQ(Outcome(Run({"status", "crd"})),
              "0|CREDIT9.CRD\t3\t0\t0\t3\t0\t0\t\nTotal\t3\t0\t0\t3\t0\t0\n|");

    const std::string translated = "003 Un juego de\r\n005   Esteban\r\n007 Gracias\r\n";
    WriteBytes(Path("work.tmf"), TmfBytes("CREDIT9.CRD", translated));
    EXPECT_EQ(Outcome(Run({"apply", "crd/CREDIT9.CRD", "work.tmf", "-o", "new/CREDIT9.CRD"})),
              "0|" + kClean + "CRD file is created!\n|");
    EXPECT_EQ(ReadBytes(Path("new/CREDIT9.CRD")),
              ".c\r\n.i 3\r\nUn juego de\r\n\r\n  Esteban\r\n.p 0\r\nGracias\r\nEND");

    // A work file that changes a directive, or makes a text line read as one, is invalid,
    // and even --force writes no file the credits would misread.
    for (const std::string& line : {std::string("002 .i 4\r\n"), std::string("003 .Un juego\r\n"),
                                    std::string("007 END\r\n")}) {
        SCOPED_TRACE(line);
        WriteBytes(Path("bad.tmf"), TmfBytes("CREDIT9.CRD", translated + line));
        const CliResult check = Run({"check", "crd/CREDIT9.CRD", "bad.tmf"});
        EXPECT_TRUE(check.status == 1 && check.out.starts_with("Invalid messages: 1\n"))
            << Outcome(check);
        const CliResult forced =
            Run({"apply", "crd/CREDIT9.CRD", "bad.tmf", "-o", "forced.CRD", "--force"});
        EXPECT_EQ(forced.status, 2) << Outcome(forced);
        ExpectOneErrorLine(forced, "Line ");
        EXPECT_FALSE(fs::exists(Path("forced.CRD")));
    }
}

TEST_F(CliTest, AWorkFileInUtf8IsReadThroughTheGamesLettersAndLettersTheFontLacksAreNamed) {
    CopySample("C01.CUT");
    // The sample's é (0xE9) is é in the game's font too.
    const std::string utf8 = Run({"export", "--utf8", "C01.CUT"}).out;
    EXPECT_NE(utf8.find("004 Caf\xC3\xA9 au lait"), std::string::npos) << utf8;
    // Unchanged, it writes what the work file of the game's bytes writes.
    WriteBytes(Path("plain.tmf"), Run({"export", "C01.CUT"}).out);
    WriteBytes(Path("utf8.tmf"), utf8);
    EXPECT_EQ(Run({"apply", "C01.CUT", "plain.tmf", "-o", "plain.CUT"}).status, 0);
    EXPECT_EQ(Run({"apply", "C01.CUT", "utf8.tmf", "-o", "utf8.CUT", "--utf8"}).status, 0);
    EXPECT_EQ(ReadBytes(Path("utf8.CUT")), ReadBytes(Path("plain.CUT")));

    // A translation typed in any editor in UTF-8 is recognised with and without --utf8; its
    // typographic signs become plain ones, and that is said.
    std::string edited = utf8;
    edited.replace(edited.find("Let us go"), 9,
                   "\xC2\xA1V\xC3\xA1monos\xE2\x80\xA6 \xE2\x80\x9Cya\xE2\x80\x9D!");
    WriteBytes(Path("edited.tmf"), edited);
    for (const Args& extra : {Args{}, Args{"--utf8"}}) {
        Args args = {"apply", "C01.CUT", "edited.tmf", "-o", "new.CUT"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult applied = Run(args);
        EXPECT_EQ(applied.status, 0) << applied.err;
        EXPECT_NE(applied.err.find("edited.tmf is read as UTF-8 through the game's letters"),
                  std::string::npos);
        EXPECT_NE(applied.err.find("(U+2026) as ..."), std::string::npos) << applied.err;
        EXPECT_NE(ReadBytes(Path("new.CUT")).find("\xADV\xE1monos... \"ya\"!*FR"),
                  std::string::npos);
    }

    // Letters no font of the game has are named with their messages, and nothing is written.
    std::string polish = utf8;
    polish.replace(polish.find("Let us go"), 9,
                   "\xC5\x81\xC3\xB3"
                   "d\xC5\xBA");
    WriteBytes(Path("polish.tmf"), polish);
    fs::remove(Path("new.CUT"));
    const CliResult refused = Run({"apply", "C01.CUT", "polish.tmf", "-o", "new.CUT"});
    EXPECT_EQ(std::to_string(refused.status) + "|" + refused.err,
              "2|polish.tmf is read as UTF-8, and message 5 holds what is not among the game's "
              "letters (Regular font): \xE2\x80\x9C\xC5\x81\xE2\x80\x9D (U+0141), "
              "\xE2\x80\x9C\xC5\xBA\xE2\x80\x9D (U+017A).\n");
    EXPECT_FALSE(fs::exists(Path("new.CUT")));
    // A work file of the game's bytes said to be UTF-8 is refused, not read as other letters;
    // without --utf8 it is the game's bytes, as it always was.
    const CliResult notUtf8 = Run({"check", "C01.CUT", "plain.tmf", "--utf8"});
    EXPECT_EQ(notUtf8.status, 2);
    EXPECT_NE(notUtf8.err.find("message 4, message 7 hold what is not among the game's letters "
                               "(Regular font): the byte 0xE9, which is not UTF-8"),
              std::string::npos)
        << notUtf8.err;
    EXPECT_EQ(Outcome(Run({"check", "C01.CUT", "plain.tmf"})), "0|" + kClean + "|");
}

TEST_F(CliTest, CheckAndStatusLayOutOptionsInTheFontAndMenuOfTheLanguage) {
    // Joe's offered line: four words of ten 8 px letters, 332 px. The English menu cuts it at
    // 320; the French one puts it on two lines.
    const std::string word(10, 'W');
    quillon::test::DogImage image;
    image.joe[1].second = word + " " + word + " " + word + " " + word + "*03";
    fs::create_directories(Path("dog"));
    WriteBytes(Path("dog/B1.DOG"), quillon::test::Dog(image));
    ASSERT_EQ(Run({"export", "dog/B1.DOG", "-o", "work.tmf"}).status, 0);
    const std::string layout = "Invalid messages: 0\nBlank messages: 0\nWarnings: 0\n"
                               "Layout warnings: ";
    EXPECT_EQ(Outcome(Run({"check", "dog/B1.DOG", "work.tmf"})), "0|" + layout + "1\n2\n|");
    EXPECT_EQ(Outcome(Run({"check", "dog/B1.DOG", "work.tmf", "--language", "F"})),
              "0|" + layout + "0\n|");
    // Without a work file the originals are laid out.
    EXPECT_EQ(Outcome(Run({"status", "dog"})),
              "0|B1.DOG\t5\t0\t0\t5\t0\t1\t\nTotal\t5\t0\t0\t5\t0\t1\n|");
    EXPECT_EQ(Outcome(Run({"status", "dog", "--language", "F"})),
              "0|B1.DOG\t5\t0\t0\t5\t0\t0\t\nTotal\t5\t0\t0\t5\t0\t0\n|");
}
