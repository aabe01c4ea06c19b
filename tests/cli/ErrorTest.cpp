// Help, bad usage and broken inputs: exit statuses, one error line, and nothing left behind.
#include "CliHarness.h"
#include "support/ResourceImage.h"

#include <tuple>

TEST_F(CliTest, HelpGoesToStdoutAndBadUsageAndBrokenInputsAreOneLineWithExitStatusTwo) {
    CopySample("C03.CUT");
    // Help wins over every other mistake on its line.
    for (const std::string line :
         {"--help", "list --help", "export -h", "check --help", "apply a.CUT --bogus --help",
          "pack --help", "unpack -h", "status --help", "po --help", "po export --help",
          "po import x.po -h"}) {
        const std::string command = line[0] == '-' ? "COMMAND" : line.substr(0, line.find(' '));
        const std::string outcome = Outcome(RunLine(line)); // nothing on stderr
        EXPECT_TRUE(outcome.starts_with("0|Usage: quillon-cli " + command + " ") &&
                    outcome.ends_with("\n|"))
            << outcome;
    }
    // The line, the command the error names, and what is wrong with the line.
    const std::tuple<const char*, std::string, const char*> usage[] = {
        {"", "", "no command given"},
        {"frobnicate C03.CUT", "", "unknown command 'frobnicate'"},
        {"list", " list", "expects FILE, got 0 files"},
        {"list -- C03.CUT -- C01.CUT", " list", "expects FILE, got 3 files"},
        {"list C03.CUT -o out.txt", " list", "unknown option '-o'"},
        {"export C03.CUT -o", " export", "-o needs a file name"},
        {"export C03.CUT -o a.tmf --output b.tmf", " export", "the output file is given twice"},
        {"export C03.CUT --output= a.tmf", " export", "the output file name is empty"},
        {"check C03.CUT", " check", "expects FILE and WORK.tmf, got 1 file"},
        {"apply C03.CUT work.tmf", " apply", "missing -o NEW"},
        {"apply C03.CUT work.tmf -o new.CUT --quiet", " apply", "unknown option '--quiet'"},
        {"pack queen.1c work", " pack", "missing -o NEW"},
        {"unpack --list queen.1c --all", " unpack",
         "--list only prints the table; it takes no -o, --all or --force"},
        {"status cuts --tmf", " status", "--tmf needs a folder"},
        {"status cuts --tmf work --tmf work", " status", "the work-file folder is given twice"},
        {"status cuts work", " status", "expects DIR, got 2 files"},
        {"po", "", "po needs 'export' or 'import'"},
        {"po translate es.po", "", "unknown command 'po translate'"},
        {"po export game extra", " po export", "expects GAME_OR_FOLDER, got 2 files"},
        {"po export game --tmf", " po export", "--tmf needs a folder"},
        {"po export game --force", " po export", "unknown option '--force'"},
        {"po import es.po -o out", " po import", "missing --game GAME_OR_FOLDER"},
        {"po import es.po --game game", " po import", "missing -o DIR"},
        {"po import es.po -o out --game", " po import", "--game needs the game's file or folder"},
        {"po import es.po -o out --game a --game b", " po import", "the game is given twice"},
    };
    for (const auto& [line, command, what] : usage)
        EXPECT_EQ(Outcome(RunLine(line)), "2||quillon-cli" + command + ": " + what +
                                              "; see 'quillon-cli" + command + " --help'.\n");
    EXPECT_EQ(Listing(), "C03.CUT");

    // Broken inputs are named and leave no output.
    const std::string sample = ReadBytes(kSamples / "C01.CUT");
    // The reader's own tests word each broken file; here each command names it.
    WriteBytes(Path("cut-off.CUT"), sample.substr(0, 100)); // inside the first message
    WriteBytes(Path("lower.CUT"), "ambk" + sample.substr(4));
    fs::create_directory(Path("folder.CUT"));
    WriteBytes(Path("empty.tmf"), "");
    ASSERT_EQ(Run({"export", "C03.CUT", "-o", "work.tmf"}).status, 0);
    const std::string before = Listing();

    // What goes wrong, the file the error line must name, and what stdout holds by then.
    std::vector<std::tuple<Args, std::string, std::string>> cases = {
        {{"check", "C03.CUT", "missing.tmf"}, "missing.tmf", ""},
        {{"apply", "C03.CUT", "empty.tmf", "-o", "new.CUT"}, "empty.tmf", ""},
        {{"export", "C03.CUT", "-o", "no-folder/out.tmf"}, "no-folder/out.tmf", ""},
        {{"apply", "C03.CUT", "work.tmf", "-o", "no-folder/new.CUT"}, "no-folder/new.CUT", kClean}};
    for (const std::string bad : {"missing.CUT", "cut-off.CUT", "lower.CUT", "folder.CUT"}) {
        cases.push_back({{"list", bad}, bad, ""});
        cases.push_back({{"export", bad, "-o", "out.tmf"}, bad, ""});
        cases.push_back({{"check", bad, "work.tmf"}, bad, ""});
        cases.push_back({{"apply", bad, "work.tmf", "-o", "new.CUT", "--force"}, bad, ""});
    }
    for (const auto& [args, file, out] : cases) {
        SCOPED_TRACE(args[0] + " " + file);
        const CliResult result = Run(args);
        EXPECT_TRUE(Outcome(result).starts_with("2|" + out + "|")) << Outcome(result);
        ExpectOneErrorLine(result, file);
        EXPECT_EQ(Listing(), before);
    }
}

#ifndef _WIN32
// A full disk under stdout is an error of every command, also when stdout holds the report of
// a refusal: nothing may be lost silently.
TEST_F(CliTest, StdoutThatCannotBeWrittenIsExitStatusTwo) {
    CopySample("C03.CUT");
    WriteBytes(Path("blank.tmf"), TmfBytes("C03.CUT"));
    WriteBytes(Path("queen.1c"), quillon::test::ResourceBytes({{"C03.CUT", "data"}}));
    for (const std::string line :
         {"--help", "list C03.CUT", "export C03.CUT", "check C03.CUT blank.tmf",
          "apply C03.CUT blank.tmf -o new.CUT", "status .", "unpack --list queen.1c"}) {
        const int status = RunTool(Path(""), Words(line), "/dev/full", Path(".err"));
        const std::string err = ReadBytes(Path(".err"));
        EXPECT_TRUE(status == 2 && err.ends_with("stdout: the output could not be written.\n"))
            << line << ": " << status << " " << err;
    }
}
#endif
