// "status": a folder of cutscene files with each one's newest work file, counted as "check"
// counts each pair (both count with the same function).
#include "CliHarness.h"

#include <chrono>
#include <tuple>

namespace {

// A path as the system joins it (work\C03.tmf on Windows), in a cell: backslashes escaped.
std::string PathCell(const std::string& folder, const std::string& name) {
    std::string cell;
    for (char c : quillon::Utf8FromPath(fs::path(folder) / name))
        cell += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return cell;
}

TEST_F(CliTest, StatusCountsEachFileWithItsNewestWorkFile) {
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
    // C06.CUT has invalid messages: exit status 1.
    const CliResult status = Run({"status", "cuts", "--tmf", "work"});
    EXPECT_EQ(Outcome(status),
              "1|C01.CUT\t7\t0\t7\t0\t\nC02.CUT\t3\t0\t3\t0\t\nC03.CUT\t1\t1\t0\t0\t" +
                  PathCell("work", "C03.tmf") +
                  "\nC04.CUT\t0\t0\t0\t0\t\nC05.CUT\t4\t0\t4\t0\t\nC06.CUT\t9\t1\t6\t2\t" +
                  PathCell("work", "C06-new.TMF") + "\nTotal\t24\t2\t20\t2\n|");
    // Without a work folder every message is blank, and blank alone is not a failure.
    const CliResult bare = Run({"status", "cuts"});
    EXPECT_TRUE(bare.status == 0 && bare.out.ends_with("\nTotal\t24\t0\t24\t0\n")) << Outcome(bare);
    // A file or folder that cannot be read is named, and the rest is still counted.
    WriteBytes(Path("cuts/BROKEN.cut"), "AmBk and nothing more");
    const CliResult broken = Run({"status", "cuts"});
    EXPECT_EQ(std::to_string(broken.status) + broken.out, "2" + bare.out);
    ExpectOneErrorLine(broken, quillon::Utf8FromPath(fs::path("cuts") / "BROKEN.cut"));
    for (const char* line : {"status nowhere", "status cuts --tmf nowhere"})
        EXPECT_EQ(Outcome(RunLine(line)), "2||nowhere: not a folder.\n") << line;
}

} // namespace
