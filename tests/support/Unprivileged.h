// Tests of unreadable files and read-only folders mean nothing to root, which reads and writes
// everything; CI runs as root. Such a test starts with
//     if (!RunsUnprivileged()) return;
// As another user it simply runs. As root it runs itself again, as user and group 65534, in a
// copy of this test program that any user may start, and reports that run as its own result.
#pragma once

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::test {

inline constexpr uid_t kUnprivilegedId = 65534; // "nobody" on Debian

inline bool RunsUnprivileged() {
    if (::geteuid() != 0) return true;
    namespace fs = std::filesystem;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();

    // The build folder may lie where other users cannot go (under /root in CI): the program
    // is copied to a folder of its own, with a temporary folder anyone may write.
    std::string folder = (fs::temp_directory_path() / "quillon-unprivileged-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a folder for the unprivileged run";
        return false;
    }
    std::error_code ec;
    const fs::path program = fs::path(folder) / "tests", temp = fs::path(folder) / "tmp",
                   output = fs::path(folder) / "output.txt";
    fs::copy_file("/proc/self/exe", program, ec);
    fs::create_directory(temp, ec);
    fs::permissions(folder, fs::perms(0755), ec);
    fs::permissions(program, fs::perms(0755), ec);
    fs::permissions(temp, fs::perms(01777), ec);
    std::ofstream(output).flush();

    const pid_t child = ::fork();
    if (child == 0) {
        // stdout and stderr into the output file, opened while still root.
        if (std::freopen(output.c_str(), "w", stdout) == nullptr ||
            ::dup2(::fileno(stdout), 2) < 0 || ::setgroups(0, nullptr) != 0 ||
            ::setgid(kUnprivilegedId) != 0 || ::setuid(kUnprivilegedId) != 0)
            ::_exit(126);
        ::setenv("TMPDIR", temp.c_str(), 1);
        ::execl(program.c_str(), program.c_str(), filter.c_str(), "--gtest_color=no",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::ifstream in(output);
    const std::string log((std::istreambuf_iterator<char>(in)), {});
    fs::remove_all(folder, ec);

    const bool passed = child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                        log.find("[  PASSED  ] 1 test.") != std::string::npos;
    EXPECT_TRUE(passed) << "run again as user " << kUnprivilegedId << " (status " << status
                        << "):\n"
                        << log;
    return false;
}

} // namespace quillon::test
