// Whole-file reads and writes: what is left on disk when a write works and when it fails, with
// names outside ASCII and in another letter case.
#include "cut/FileIO.h"
#include "cut/Utf8Path.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <tuple>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace quillon {
namespace {

namespace fs = std::filesystem;

class FileIO : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // name is UTF-8, like every path the editor holds.
    fs::path At(const std::string& name) const { return dir_ / PathFromUtf8(name); }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(At(name), std::ios::binary) << bytes;
    }
    // Every file in the folder (or a folder in it) with its contents, in name order.
    std::string Listing(const std::string& folder = "") const {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(At(folder)))
            files.insert(Utf8FromPath(entry.path().filename()) + "=" +
                         (entry.is_directory() ? "/" : ReadWholeFile(entry.path()).bytes) + ";");
        std::string out;
        for (const std::string& file : files)
            out += file;
        return out;
    }
    // One folder per test: CTest runs the tests side by side.
    const fs::path dir_ =
        fs::temp_directory_path() /
        ("quillon-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
         "-" + std::to_string(std::random_device{}()));
};

TEST_F(FileIO, AtomicWritesReplaceWholeOrLeaveEverythingAsItWas) {
    Put("C12.CUT", "old contents, longer than the new ones");
    EXPECT_EQ(WriteFileAtomically(dir_ / "C12.CUT", "new"), "");
    EXPECT_EQ(WriteFileAtomically(dir_ / "empty.tmf", ""), "");
    EXPECT_EQ(Listing(), "C12.CUT=new;empty.tmf=;");

    // Written in pieces: the target changes only at the commit; a writer dropped before it
    // leaves nothing behind.
    {
        AtomicFileWriter writer(dir_ / "C12.CUT");
        writer.Write("ne");
        writer.Write("wer");
        EXPECT_NE(Listing().find("C12.CUT=new;"), std::string::npos);
        EXPECT_EQ(writer.Commit(), "");
        AtomicFileWriter dropped(dir_ / "C12.CUT");
        dropped.Write("half");
    }
    EXPECT_EQ(Listing(), "C12.CUT=newer;empty.tmf=;");
    ASSERT_EQ(WriteFileAtomically(dir_ / "C12.CUT", "new"), "");

    const fs::path nowhere = dir_ / "no such folder" / "C12.CUT";
    EXPECT_TRUE(
        WriteFileAtomically(nowhere, "x").starts_with("Cannot write " + Utf8FromPath(nowhere)));
#if defined(__unix__)
    // A file size limit makes the write fail the way a full disk does.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string full = WriteFileAtomically(dir_ / "C12.CUT", std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_TRUE(full.starts_with("Cannot write " + Utf8FromPath(dir_ / "C12.CUT"))) << full;
#endif
    EXPECT_EQ(Listing(), "C12.CUT=new;empty.tmf=;");
}

TEST_F(FileIO, CommitAllNamesEveryFileOrLeavesTheTargetsAsTheyWere) {
    Put("A.CUT", "old A");
    fs::create_directory(dir_ / "sub");
    const auto batch = [&](const std::vector<std::pair<fs::path, std::string>>& files) {
        std::vector<std::unique_ptr<AtomicFileWriter>> writers;
        std::vector<AtomicFileWriter*> pointers;
        for (const auto& [path, bytes] : files) {
            writers.push_back(std::make_unique<AtomicFileWriter>(dir_ / path));
            writers.back()->Write(bytes);
            // Closed early or left open: the batch takes both.
            if (writers.size() % 2 == 1) {
                EXPECT_EQ(writers.back()->Close(), "");
            }
            pointers.push_back(writers.back().get());
        }
        return AtomicFileWriter::CommitAll(pointers);
    };
    EXPECT_EQ(batch({{"A.CUT", "new A"}, {"B.CUT", ""}, {"sub/C.CUT", "C"}}), "");
    EXPECT_EQ(Listing(), "A.CUT=new A;B.CUT=;sub=/;");
    EXPECT_EQ(ReadWholeFile(dir_ / "sub" / "C.CUT").bytes, "C");

    // One writer that cannot work stops the batch before any file takes its name.
    const std::string failed =
        batch({{"A.CUT", "newer A"}, {"missing/D.CUT", "D"}, {"B.CUT", "newer B"}});
    EXPECT_TRUE(failed.starts_with("Cannot write " + Utf8FromPath(dir_ / "missing/D.CUT")))
        << failed;
    EXPECT_EQ(Listing(), "A.CUT=new A;B.CUT=;sub=/;");
    EXPECT_EQ(batch({}), "");
}

TEST_F(FileIO, UpdateInPlaceKeepsTheOldFileAsBakAndNeverLosesIt) {
    Put("C12.CUT", "old");
    Put("C12.CUT.BAK", "older backup");
    Put("C12.CUT.TEMP", "new");
    EXPECT_EQ(FinishUpdateInPlace(dir_ / "C12.CUT"), "");
    EXPECT_EQ(Listing(), "C12.CUT.BAK=old;C12.CUT=new;");

    EXPECT_NE(FinishUpdateInPlace(dir_ / "C12.CUT").find("C12.CUT.TEMP"), std::string::npos);
    EXPECT_EQ(Listing(), "C12.CUT.BAK=new;C12.CUT=new;");

    // A backup that cannot be made keeps the file as it was, and the new version in .TEMP.
    fs::remove(dir_ / "C12.CUT.BAK");
    fs::create_directories(dir_ / "C12.CUT.BAK" / "in the way");
    Put("C12.CUT.TEMP", "newer");
    EXPECT_NE(FinishUpdateInPlace(dir_ / "C12.CUT").find("C12.CUT.BAK"), std::string::npos);
    EXPECT_EQ(Listing(), "C12.CUT.BAK=/;C12.CUT.TEMP=newer;C12.CUT=new;");
}

TEST(Utf8Paths, ReachTheSystemWholeAndComeBackAsTheSameBytes) {
    // Narrow literals are UTF-8 (the sources' encoding); the wide ones are what Windows takes.
    const std::vector<std::pair<std::string, std::wstring>> names = {
        {"C12.CUT", L"C12.CUT"},
        {"Übersetzung/É1.CUT", L"\u00dcbersetzung/\u00c91.CUT"},
        {"Ελληνικά/Σκηνή.CUT", L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac/"
                               L"\u03a3\u03ba\u03b7\u03bd\u03ae.CUT"},
        {"台詞/🦜.tmf", L"\u53f0\u8a5e/\U0001f99c.tmf"}};
    for (const auto& [utf8, wide] : names) {
        const fs::path path = PathFromUtf8(utf8);
#ifdef _WIN32
        EXPECT_EQ(path.native(), wide) << utf8;
#else
        EXPECT_EQ(path.native(), utf8);
#endif
        EXPECT_EQ(Utf8FromPath(path), utf8);
    }
    // Bytes that are not UTF-8: the bytes themselves where the system takes bytes, a
    // replacement character on Windows; never an exception.
#ifdef _WIN32
    EXPECT_EQ(Utf8FromPath(PathFromUtf8("\xff.CUT")), "\xef\xbf\xbd.CUT");
#else
    EXPECT_EQ(Utf8FromPath(PathFromUtf8("\xff.CUT")), "\xff.CUT");
#endif
}

TEST_F(FileIO, EveryStepWorksInAFolderNamedOutsideAscii) {
    std::string everyByte; // 0x1A ends a file read in text mode on Windows; CR LF would change
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string tmf = "Original CUT file: É1.CUT\r\n\r\n001 Caf\xe9\r\n002 lone\n\r\n";
    fs::create_directory(At("Übersetzung"));
    const fs::path cut = At("Übersetzung/É1.CUT");
    ASSERT_EQ(WriteFileAtomically(cut, everyByte), "");
    ASSERT_EQ(WriteFileAtomically(At("Übersetzung/é1.tmf"), tmf), "");
    EXPECT_EQ(ReadWholeFile(cut).bytes, everyByte);
    EXPECT_EQ(ReadWholeFile(At("Übersetzung/é1.tmf")).bytes, tmf);
    EXPECT_EQ(fs::file_size(At("Übersetzung/é1.tmf")), tmf.size());

    // The update in place: the new version from .TEMP, the old one kept as .BAK.
    Put("Übersetzung/É1.CUT.TEMP", tmf);
    EXPECT_EQ(FinishUpdateInPlace(cut), "");
    EXPECT_EQ(Listing("Übersetzung"),
              "É1.CUT.BAK=" + everyByte + ";É1.CUT=" + tmf + ";é1.tmf=" + tmf + ";");

    // Errors name the file in the same UTF-8 it was given in.
    const fs::path missing = At("Übersetzung/Ñ/É2.CUT");
    EXPECT_EQ(ReadWholeFile(missing).error, Utf8FromPath(missing) + ": the file does not exist.");
    EXPECT_TRUE(WriteFileAtomically(missing, "x")
                    .starts_with("Cannot write " + Utf8FromPath(missing) + ": "));
}

TEST_F(FileIO, NewFilesAreCreatedOnlyWhereNothingIsInTheWay) {
    Put("É1.CUT.part", "someone else's");
    errno = 0;
    EXPECT_EQ(CreateNewFile(At("É1.CUT.part")), nullptr);
    EXPECT_EQ(errno, EEXIST);
    std::FILE* created = CreateNewFile(At("É2.CUT.part"));
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(std::fputs("mine\r\n", created) >= 0 && std::fclose(created) == 0);
    EXPECT_EQ(Listing(), "É1.CUT.part=someone else's;É2.CUT.part=mine\r\n;");
}

TEST_F(FileIO, NamesDifferingOnlyInCaseAreOneFileOnlyWhereTheSystemSaysSo) {
    Put("C12.CUT", "old");
    Put("C12.CUT.bak", "older");
    Put("É1.CUT", "accent");
#ifdef _WIN32
    const bool oneFile = true;
#else
    const bool oneFile = false;
#endif
    EXPECT_EQ(ReadWholeFile(At("c12.cut")).bytes, oneFile ? "old" : "");
    EXPECT_EQ(ReadWholeFile(At("é1.cut")).bytes, oneFile ? "accent" : "");

    // Replaced under another spelling, the file and its backup keep their own.
    Put("c12.cut.TEMP", "new");
    const std::string update = FinishUpdateInPlace(At("c12.cut"));
    ASSERT_EQ(WriteFileAtomically(At("é1.cut"), "replaced"), "");
    if (oneFile) {
        EXPECT_EQ(update, "");
        EXPECT_EQ(Listing(), "C12.CUT.bak=old;C12.CUT=new;É1.CUT=replaced;");
    } else {
        EXPECT_EQ(Listing(),
                  "C12.CUT.bak=older;C12.CUT=old;c12.cut=new;É1.CUT=accent;é1.cut=replaced;");
    }
}

} // namespace
} // namespace quillon
