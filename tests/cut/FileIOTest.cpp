// Whole-file reads and writes: what is left on disk when a write works and when it fails.
#include "cut/FileIO.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <random>
#include <set>

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
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    // Every file in the folder with its contents, in name order.
    std::string Listing() const {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(dir_))
            files.insert(entry.path().filename().string() + "=" +
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
    EXPECT_TRUE(WriteFileAtomically(nowhere, "x").starts_with("Cannot write " + nowhere.string()));
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
    EXPECT_TRUE(full.starts_with("Cannot write " + (dir_ / "C12.CUT").string())) << full;
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
    EXPECT_TRUE(failed.starts_with("Cannot write " + (dir_ / "missing" / "D.CUT").string()))
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

} // namespace
} // namespace quillon
