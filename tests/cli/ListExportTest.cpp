// "list" and "export" on the samples: every entry as a line of 13 cells, the originals as a .TMF.
#include "CliHarness.h"

#include <tuple>

namespace {

Args Split(const std::string& text, char separator) {
    Args parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    return parts;
}

} // namespace

TEST_F(CliTest, ListShowsEveryEntryOfEverySample) {
    const std::vector<std::tuple<std::string, std::size_t, int>> cases = {
        {"C01.CUT", 11, 7}, {"C02.CUT", 6, 3}, {"C03.CUT", 3, 1},
        {"C04.CUT", 5, 0},  {"C05.CUT", 5, 4}, {"C06.CUT", 12, 9}};
    for (const auto& [sample, rows, realMessages] : cases) {
        SCOPED_TRACE(sample);
        const CliResult result = Run({"list", Sample(sample).string()});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const Args lines = Split(result.out, '\n');
        ASSERT_EQ(lines.size(), rows + 2); // the header, the rows, and nothing after the last LF
        EXPECT_EQ(lines[0], "Real A/A\tA/A\tBlock\tNumber in block\tReal number in block\t"
                            "Original message\tNew message\tOriginal length\tNew length\tBad\t"
                            "1st cc\t2nd cc\t3rd cc");
        EXPECT_EQ(lines.back(), "");
        int numbered = 0;
        for (std::size_t row = 1; row <= rows; ++row) {
            const Args cells = Split(lines[row], '\t');
            ASSERT_EQ(cells.size(), 13u) << lines[row];
            EXPECT_EQ(cells[1], std::to_string(row));
            // Real messages are numbered in file order; shorter entries show their own text.
            EXPECT_EQ(cells[0], std::stoi(cells[7]) >= 2 ? std::to_string(++numbered) : cells[5]);
        }
        EXPECT_EQ(numbered, realMessages);
    }
}

TEST_F(CliTest, ListEscapesTabsLineBreaksAndBackslashes) {
    // "Run!", the last message of C06.CUT, becomes tab, backslash, CR, LF: the same length.
    std::string bytes = ReadBytes(Sample("C06.CUT"));
    bytes.replace(bytes.rfind("Run!"), 4, "\t\\\r\n");
    WriteBytes(Path("C06.CUT"), bytes);
    const Args lines = Split(Run({"list", "C06.CUT"}).out, '\n');
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[12], "9\t12\t1\t12\t10\t\\t\\\\\\r\\n\t\t4\t0\t0\t0\t0\t0");
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
    const CliResult toStdout = Run({"export", Sample("C01.CUT").string()});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out, expected);

    WriteBytes(Path("work.tmf"), std::string(5000, 'x')); // replaced whole
    const CliResult toFile = Run({"export", Sample("C01.CUT").string(), "--output=work.tmf"});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.out + toFile.err, "");
    EXPECT_EQ(ReadBytes(Path("work.tmf")), expected);

    // The header names the file without its folder, also when it has no real message.
    fs::create_directory(Path("scenes"));
    CopySample("C04.CUT", "scenes/Intro.cut");
    EXPECT_EQ(Run({"export", "scenes/Intro.cut"}).out, "Original CUT file: Intro.cut\r\n\r\n");
    EXPECT_EQ(Listing(), (Args{"scenes", "work.tmf"}));
}
