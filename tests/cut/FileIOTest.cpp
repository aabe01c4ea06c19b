// Whole-file reads and writes: what is left on disk when a write works and when it fails.
#include "cut/FileIO.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace quillon {
namespace {

namespace fs = std::filesystem;

class FileIO : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillon-fileio-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    static std::string Slurp(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Put(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

TEST_F(FileIO, ReadsEveryByteOrSaysWhyNot) {
    const std::string bytes("A\0B\r\n\xFF", 6);
    Put(dir_ / "a.bin", bytes);
    const FileReadResult r = ReadWholeFile(dir_ / "a.bin");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.bytes, bytes);

    const FileReadResult missing = ReadWholeFile(dir_ / "none.CUT");
    EXPECT_EQ(missing.error, (dir_ / "none.CUT").string() + ": the file does not exist.");
    EXPECT_NE(ReadWholeFile(dir_).error.find("is a folder"), std::string::npos);
}

TEST_F(FileIO, AtomicWriteReplacesTheFileAndLeavesNothingElse) {
    const fs::path target = dir_ / "C12.CUT";
    Put(target, "old contents, longer than the new ones");
    const std::string bytes("new\0bytes", 9);
    EXPECT_EQ(WriteFileAtomically(target, bytes), "");
    EXPECT_EQ(Slurp(target), bytes);
    EXPECT_EQ(WriteFileAtomically(dir_ / "empty.tmf", ""), "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C12.CUT", "empty.tmf"}));
    EXPECT_EQ(fs::file_size(dir_ / "empty.tmf"), 0u);
}

TEST_F(FileIO, AFailedWriteLeavesTheOldFileAndNamesTheTarget) {
    const fs::path nowhere = dir_ / "no such folder" / "C12.CUT";
    const std::string error = WriteFileAtomically(nowhere, "bytes");
    EXPECT_NE(error.find(nowhere.string()), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_TRUE(Names().empty());

    const fs::path target = dir_ / "C12.CUT";
    Put(target, "old");
    fs::create_directory(dir_ / "folder");
    EXPECT_NE(WriteFileAtomically(dir_ / "folder", "x"), "");
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"C12.CUT", "folder"}));

#if defined(__unix__)
    if (::geteuid() != 0) {
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_NE(WriteFileAtomically(target, "new"), "");
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(Slurp(target), "old");
    }
#endif
}

#if defined(__unix__)
TEST_F(FileIO, AFullDiskIsNoticedAndTheOldFileStays) {
    // A file size limit makes writes fail the way a full disk does.
    const fs::path target = dir_ / "C12.CUT";
    Put(target, "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = WriteFileAtomically(target, std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(error.find("Cannot write " + target.string()), std::string::npos) << error;
    EXPECT_EQ(Slurp(target), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"C12.CUT"});
}
#endif

TEST_F(FileIO, UpdateInPlaceKeepsTheOldFileAsBak) {
    const fs::path file = dir_ / "C12.CUT";
    Put(file, "old version");
    Put(dir_ / "C12.CUT.BAK", "an older backup, to be replaced");
    Put(dir_ / "C12.CUT.TEMP", "new version");
    EXPECT_EQ(FinishUpdateInPlace(file), "");
    EXPECT_EQ(Slurp(file), "new version");
    EXPECT_EQ(Slurp(dir_ / "C12.CUT.BAK"), "old version");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C12.CUT", "C12.CUT.BAK"}));

    // Without a .TEMP the file stays; the failure is told.
    const std::string missing = FinishUpdateInPlace(file);
    EXPECT_NE(missing.find("C12.CUT.TEMP"), std::string::npos) << missing;
    EXPECT_EQ(Slurp(file), "new version");
    EXPECT_EQ(Slurp(dir_ / "C12.CUT.BAK"), "new version");
}

TEST_F(FileIO, UpdateInPlaceNeverReplacesAFileItCouldNotBackUp) {
    const fs::path file = dir_ / "C12.CUT";
    Put(file, "old version");
    Put(dir_ / "C12.CUT.TEMP", "new version");
    fs::create_directories(dir_ / "C12.CUT.BAK" / "in the way");
    const std::string error = FinishUpdateInPlace(file);
    EXPECT_NE(error.find("C12.CUT.BAK"), std::string::npos) << error;
    EXPECT_EQ(Slurp(file), "old version");
    EXPECT_EQ(Slurp(dir_ / "C12.CUT.TEMP"), "new version");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C12.CUT", "C12.CUT.BAK", "C12.CUT.TEMP"}));
}

} // namespace
} // namespace quillon
