// "status": a folder of cutscene files with each one's newest work file, counted as "check"
// counts each pair.
#include "CliHarness.h"

#include <chrono>
#include <sstream>

namespace {

std::string WorkFile(const std::string& cutName, const std::string& lines) {
    return "Original CUT file: " + cutName + "\r\n\r\n" + lines;
}

// A path as the system joins it (work\C03.tmf on Windows), in a cell: backslashes escaped.
std::string PathCell(const fs::path& path) {
    std::string cell;
    for (char c : quillon::Utf8FromPath(path))
        cell += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return cell;
}

// The samples in "cuts", their work files in "work", each made older or newer on purpose.
class Status : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        fs::create_directories(Path("cuts"));
        fs::create_directories(Path("work"));
        for (const char* name : {"C01.CUT", "C02.CUT", "C03.CUT", "C04.CUT", "C05.CUT", "C06.CUT"})
            fs::copy_file(kSamples / name, Path("cuts") / name);
    }
    void Work(const std::string& name, const std::string& bytes, int hoursAgo) {
        WriteBytes(Path("work") / name, bytes);
        fs::last_write_time(Path("work") / name,
                            fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
    }
    // Every line of the output split into its cells.
    static std::vector<std::vector<std::string>> Cells(const std::string& out) {
        std::vector<std::vector<std::string>> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            lines.emplace_back();
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, '\t');)
                lines.back().push_back(cell);
        }
        return lines;
    }
};

TEST_F(Status, EachFileIsCountedWithItsNewestWorkFileExactlyAsCheckCountsThePair) {
    Work("C06-old.tmf", WorkFile("C06.CUT", "001 *30Old.\r\n"), 5);
    Work("C06-new.TMF", WorkFile("C06.CUT", "001 *30Welcome.\r\n002 No code.\r\n003 A\tb*32\r\n"),
         1);
    Work("C06-other-case.tmf", WorkFile("c06.cut", "001 *30Wrong file.\r\n"), 0);
    Work("C06.tmf.tmp", WorkFile("C06.CUT", "001 *30Leftover.\r\n"), 0);
    Work("C03.tmf", WorkFile("C03.CUT", "001 *01Nadie contesta.*02\r\n"), 2);
    Work("empty.tmf", "", 0);

    const CliResult status = Run({"status", "cuts", "--tmf", "work"});
    EXPECT_EQ(status.status, 1) << status.err; // C06.CUT has invalid messages
    EXPECT_EQ(status.err, "");
    const auto lines = Cells(status.out);
    ASSERT_EQ(lines.size(), 7u) << status.out;
    int sums[4] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& cells = lines[i];
        ASSERT_TRUE(cells.size() == 5 || cells.size() == 6) << status.out;
        SCOPED_TRACE(cells[0]);
        for (int c = 0; c < 4; ++c)
            sums[c] += std::stoi(cells[static_cast<std::size_t>(c) + 1]);
        // The same pair through "check": with the work file read, or with one that holds
        // nothing but its header.
        std::string work = cells.size() == 6 ? cells[5] : "header-only.tmf";
        if (cells.size() == 5) WriteBytes(Path(work), WorkFile(cells[0], ""));
        const CliResult check = Run({"check", "cuts/" + cells[0], work});
        const std::string blank = cells[3], invalid = cells[4];
        EXPECT_NE(check.out.find("Invalid messages: " + invalid + "\n"), std::string::npos)
            << check.out;
        EXPECT_NE(check.out.find("Blank messages: " + blank + "\n"), std::string::npos)
            << check.out;
    }
    EXPECT_EQ(lines[2], (std::vector<std::string>{"C03.CUT", "1", "1", "0", "0",
                                                  PathCell(fs::path("work") / "C03.tmf")}));
    EXPECT_EQ(lines[5], (std::vector<std::string>{"C06.CUT", "9", "1", "6", "2",
                                                  PathCell(fs::path("work") / "C06-new.TMF")}));
    EXPECT_EQ(lines[3], (std::vector<std::string>{"C04.CUT", "0", "0", "0", "0"}));
    EXPECT_EQ(lines[6],
              (std::vector<std::string>{"Total", std::to_string(sums[0]), std::to_string(sums[1]),
                                        std::to_string(sums[2]), std::to_string(sums[3])}));

    // Without a work folder every message is blank, and blank alone is not a failure.
    const CliResult bare = Run({"status", "cuts"});
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(Cells(bare.out).back(), (std::vector<std::string>{"Total", "24", "0", "24", "0"}));
}

TEST_F(Status, AFileOrFolderThatCannotBeReadIsNamedAndTheRestIsStillCounted) {
    WriteBytes(Path("cuts/BROKEN.cut"), "AmBk and nothing more");
    const CliResult broken = Run({"status", "cuts"});
    EXPECT_EQ(broken.status, 2);
    ExpectOneErrorLine(broken, quillon::Utf8FromPath(fs::path("cuts") / "BROKEN.cut"));
    EXPECT_EQ(Cells(broken.out).size(), 7u) << "the six samples and the total";

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"status nowhere", "2||nowhere: not a folder.\n"},
        {"status cuts --tmf nowhere", "2||nowhere: not a folder.\n"},
        {"status cuts --tmf", "2||quillon-cli status: --tmf needs a folder; see 'quillon-cli "
                              "status --help'.\n"},
        {"status cuts --tmf work --tmf work",
         "2||quillon-cli status: the work-file folder is given twice; see 'quillon-cli status "
         "--help'.\n"},
        {"status cuts work", "2||quillon-cli status: expects DIR, got 2 files; see 'quillon-cli "
                             "status --help'.\n"},
        {"status cuts -o x", "2||quillon-cli status: unknown option '-o'; see 'quillon-cli "
                             "status --help'.\n"},
    };
    for (const auto& [line, outcome] : cases)
        EXPECT_EQ(Outcome(RunLine(line)), outcome) << line;
    const CliResult help = RunLine("status --help");
    EXPECT_TRUE(help.status == 0 && help.out.starts_with("Usage: quillon-cli status DIR"));
}

} // namespace
