// Help, bad usage and broken inputs: exit statuses, one error line, and nothing left behind.
#include "CliHarness.h"

#include <tuple>

TEST_F(CliTest, HelpGoesToStdoutAndBadUsageIsOneLineWithExitStatusTwo) {
    CopySample("C03.CUT");
    for (const std::string line :
         {"--help", "list --help", "export -h", "check --help", "apply a.CUT --bogus --help"}) {
        const std::string command = line[0] == '-' ? "COMMAND" : line.substr(0, line.find(' '));
        const std::string outcome = Outcome(RunLine(line)); // nothing on stderr
        EXPECT_TRUE(outcome.starts_with("0|Usage: quillon-cli " + command + " ") &&
                    outcome.ends_with("\n|"))
            << outcome;
    }
    for (const char* line :
         {"", "frobnicate C03.CUT", "list", "list C03.CUT C01.CUT", "list C03.CUT -o out.txt",
          "export C03.CUT -o", "export C03.CUT -o a.tmf --output b.tmf",
          "export C03.CUT --output= a.tmf", "list -- C03.CUT -- C01.CUT", "check C03.CUT",
          "apply C03.CUT work.tmf", "apply C03.CUT work.tmf -o new.CUT --quiet"}) {
        const CliResult result = RunLine(line);
        EXPECT_TRUE(Outcome(result).starts_with("2||quillon-cli")) << Outcome(result);
        ExpectOneErrorLine(result, "quillon-cli");
    }
    EXPECT_EQ(Listing(), Args{"C03.CUT"});
}

TEST_F(CliTest, BrokenInputsAreNamedAndLeaveNoOutput) {
    const std::string sample = ReadBytes(kSamples / "C01.CUT");
    WriteBytes(Path("short.CUT"), sample.substr(0, 18));    // inside the bank header
    WriteBytes(Path("cut-off.CUT"), sample.substr(0, 100)); // inside the first message
    WriteBytes(Path("picture.CUT"), "\x89PNG\r\n\x1a\n" + std::string(80, '\x01'));
    WriteBytes(Path("lower.CUT"), "ambk" + sample.substr(4));
    fs::create_directory(Path("folder.CUT"));
    WriteBytes(Path("empty.tmf"), "");
    CopySample("C03.CUT");
    ASSERT_EQ(Run({"export", "C03.CUT", "-o", "work.tmf"}).status, 0);
    const Args before = Listing();

    // What goes wrong, the file the error line must name, and what stdout holds by then.
    std::vector<std::tuple<Args, std::string, std::string>> cases = {
        {{"check", "C03.CUT", "missing.tmf"}, "missing.tmf", ""},
        {{"apply", "C03.CUT", "empty.tmf", "-o", "new.CUT"}, "empty.tmf", ""},
        {{"export", "C03.CUT", "-o", "no-folder/out.tmf"}, "no-folder/out.tmf", ""},
        {{"apply", "C03.CUT", "work.tmf", "-o", "no-folder/new.CUT"},
         "no-folder/new.CUT",
         "Invalid messages: 0\nBlank messages: 0\n"}};
    for (const std::string bad :
         {"missing.CUT", "short.CUT", "cut-off.CUT", "picture.CUT", "lower.CUT", "folder.CUT"}) {
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
