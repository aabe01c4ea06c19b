// Tests of unreadable files and read-only folders mean nothing to root, which reads and writes
// everything; CI runs as root. Such a test starts with
//     if (!RunsUnprivileged()) return;
// As another user it simply runs. As root it runs itself again, as user and group 65534, in a
// copy of this test program that any user may start, and reports that run as its own result.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace quillon::test {

inline constexpr const char* kUnprivilegedId = "65534"; // "nobody" on Debian

inline bool RunsUnprivileged() {
    if (::geteuid() != 0) return true;
    namespace fs = std::filesystem;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The build folder may lie where other users cannot go (under /root in CI): the program
    // is copied to a folder of its own, with a temporary folder anyone may write. The output
    // file is opened while still root.
    std::string folder = (fs::temp_directory_path() / "quillon-unprivileged-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a folder for the unprivileged run";
        return false;
    }
    const std::string id = kUnprivilegedId;
    const std::string run =
        "cd '" + folder + "' && cp /proc/" + std::to_string(::getpid()) +
        "/exe tests && mkdir -m 1777 tmp && chmod 755 . tests && " +
        "TMPDIR=\"$PWD/tmp\" setpriv --reuid=" + id + " --regid=" + id +
        " --clear-groups ./tests --gtest_color=no --gtest_filter=" + info->test_suite_name() + "." +
        info->name() + " >output.txt 2>&1";
    const int status = std::system(run.c_str());
    std::ifstream in(fs::path(folder) / "output.txt");
    const std::string log((std::istreambuf_iterator<char>(in)), {});
    std::error_code ec;
    fs::remove_all(folder, ec);
    EXPECT_TRUE(status == 0 && log.find("[  PASSED  ] 1 test.") != std::string::npos)
        << "run again as user " << id << " (status " << status << "):\n"
        << log;
    return false;
}

} // namespace quillon::test
