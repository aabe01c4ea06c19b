// Whole-file reads and writes and what is left on disk when a write works and when it fails,
// UTF-8 paths, and numbers read from text as the editor has always read them. (Names in another
// letter case, and an update in place whose backup cannot be made, are checked through
// quillon-cli and the editor, where the user meets them.)
#include "base/FileIO.h"
#include "base/Numbers.h"
#include "base/Utf8Path.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <memory>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::Listing;
using test::WriteBytes;

struct FileIO : ::testing::Test {
    test::TempDir dir;
};

// Replacing a file whole, and the update in place that succeeds, are checked through
// quillon-cli and the editor; here the writer's own cases.
TEST_F(FileIO, AtomicWritesChangeTheTargetAtTheCommitOnlyOrLeaveEverythingAsItWas) {
    // Written in pieces: the target changes only at the commit; a writer dropped before it
    // leaves nothing behind.
    WriteBytes(dir / "C12.CUT", "old");
    {
        AtomicFileWriter writer(dir / "C12.CUT");
        writer.Write("ne");
        writer.Write("wer");
        EXPECT_EQ(test::ReadBytes(dir / "C12.CUT"), "old");
        EXPECT_EQ(writer.Commit(), "");
        AtomicFileWriter(dir / "C12.CUT").Write("half");
    }
#if defined(__unix__)
    // A file size limit makes the write fail the way a full disk does.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string full = WriteFileAtomically(dir / "C12.CUT", std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(full.starts_with("Cannot write " + Utf8FromPath(dir / "C12.CUT"))) << full;
#endif
    EXPECT_EQ(Listing(dir.path, true), "C12.CUT=newer;");

    // A batch names every file, or none when one of its writers cannot work.
    WriteBytes(dir / "A.CUT", "old A");
    fs::create_directory(dir / "sub");
    const auto batch = [&](const std::vector<std::pair<std::string, std::string>>& files) {
        std::vector<std::unique_ptr<AtomicFileWriter>> writers;
        std::vector<AtomicFileWriter*> pointers;
        for (const auto& [name, bytes] : files) {
            writers.push_back(std::make_unique<AtomicFileWriter>(dir / name));
            pointers.push_back(writers.back().get());
            pointers.back()->Write(bytes);
            // Closed early or left open: the batch takes both.
            EXPECT_EQ(writers.size() % 2 == 1 ? pointers.back()->Close() : "", "");
        }
        return AtomicFileWriter::CommitAll(pointers);
    };
    EXPECT_EQ(batch({{"A.CUT", "new A"}, {"B.CUT", ""}, {"sub/C.CUT", "C"}}) + batch({}), "");
    const std::string written = "A.CUT=new A;B.CUT=;C12.CUT=newer;sub/;sub/C.CUT=C;";
    EXPECT_EQ(Listing(dir.path, true), written);
    const std::string failed =
        batch({{"A.CUT", "newer A"}, {"missing/D.CUT", "D"}, {"B.CUT", "newer B"}});
    EXPECT_TRUE(failed.starts_with("Cannot write " + Utf8FromPath(dir / "missing/D.CUT")))
        << failed;
    EXPECT_EQ(Listing(dir.path, true), written);

    // Every byte kept, in a folder named outside ASCII; the update in place without its new
    // version keeps the file, and says what is missing.
    std::string everyByte; // 0x1A ends a file read in text mode on Windows; CR LF would change
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    fs::create_directory(dir / "Übersetzung");
    const fs::path cut = dir / "Übersetzung/É1.CUT";
    ASSERT_EQ(WriteFileAtomically(cut, everyByte), "");
    EXPECT_EQ(ReadWholeFile(cut).bytes, everyByte);
    EXPECT_NE(FinishUpdateInPlace(cut).find("É1.CUT.TEMP"), std::string::npos);
    EXPECT_EQ(Listing(dir / "Übersetzung", true),
              "É1.CUT=" + everyByte + ";É1.CUT.BAK=" + everyByte + ";");
    // New files are created only where nothing is in the way.
    errno = 0;
    EXPECT_TRUE(CreateNewFile(cut) == nullptr && errno == EEXIST) << errno;
}

TEST(Utf8Paths, ReachTheSystemWholeAndComeBackAsTheSameBytes) {
    // Narrow literals are UTF-8 (the sources' encoding); the wide ones are what Windows takes.
    const std::pair<std::string, std::wstring> names[] = {
        {"C12.CUT", L"C12.CUT"},
        {"Übersetzung/É1.CUT", L"\u00dcbersetzung/\u00c91.CUT"},
        {"Ελληνικά/Σκηνή.CUT", L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac/"
                               L"\u03a3\u03ba\u03b7\u03bd\u03ae.CUT"},
        {"台詞/🦜.tmf", L"\u53f0\u8a5e/\U0001f99c.tmf"}};
    for (const auto& [utf8, wide] : names) {
#ifdef _WIN32
        EXPECT_EQ(PathFromUtf8(utf8).native(), wide) << utf8;
#else
        EXPECT_EQ(PathFromUtf8(utf8).native(), utf8);
#endif
        EXPECT_EQ(Utf8FromPath(PathFromUtf8(utf8)), utf8);
    }
    // Bytes that are not UTF-8: the bytes themselves where the system takes bytes, a
    // replacement character on Windows; never an exception.
#ifdef _WIN32
    EXPECT_EQ(Utf8FromPath(PathFromUtf8("\xff.CUT")), "\xef\xbf\xbd.CUT");
#else
    EXPECT_EQ(Utf8FromPath(PathFromUtf8("\xff.CUT")), "\xff.CUT");
#endif
}

TEST(LeadingNumber, ReadsLikeValAndRoundsHalfToEvenIntoSixteenBits) {
    const std::pair<std::string, double> numbers[] = {
        {"", 0},      {"abc", 0}, {"  12abc", 12}, {"\t-3", -3}, {"+4", 4},
        {"1.5", 1.5}, {".5", .5}, {"7.", 7},       {"-", 0},     {".", 0},
        {"- 3", 0},   {"3 4", 3}, {"1e5", 1},      {"0012", 12}};
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));

    const std::pair<std::string, int> ints[] = {
        {"1.5", 2},           {"2.5", 2},       {"-2.5", -2}, {"-3.5", -4},
        {"2.51", 3},          {"32767", 32767}, {"32768", 0}, {"32767.5", 0},
        {"-32768.5", -32768}, {"-32768.6", 0},  {"007", 7},   {std::string(400, '9'), 0}};
    for (const auto& [text, value] : ints)
        EXPECT_EQ(LeadingInt16(text), value) << '"' << text << '"';
}

} // namespace
} // namespace quillon
