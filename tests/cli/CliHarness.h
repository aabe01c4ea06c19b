// Runs the built quillon-cli in a scratch folder and reads back what it printed and wrote.
#pragma once

#include "cut/Utf8Path.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct CliResult {
    int status = -1;
    std::string out, err;
};

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Absolute, so they still name the same files from the tool's own working folder (under wine
// a folder given as /work/... is taken on the current drive).
inline const fs::path kSamples = fs::absolute(quillon::PathFromUtf8(QUILLON_SAMPLES));
inline const fs::path kTool = fs::absolute(quillon::PathFromUtf8(QUILLON_CLI));

#ifdef _WIN32
// One argument quoted so that the C runtime's command-line splitting gives it back whole.
inline std::wstring QuotedArgument(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

// Runs the tool with its arguments as wide characters, stdout and stderr going to files.
inline int RunTool(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
                   const fs::path& err) {
    std::wstring line = QuotedArgument(kTool.native());
    for (const std::string& arg : args)
        line += L" " + QuotedArgument(quillon::PathFromUtf8(arg).native());
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    auto create = [&inherit](const fs::path& path) {
        return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const HANDLE outFile = create(out), errFile = create(err);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile;
    startup.hStdError = errFile;
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(),
                         &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(outFile);
    ::CloseHandle(errFile);
    return static_cast<int>(status);
}
#else
inline int RunTool(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
                   const fs::path& err) {
    // No argument here holds a quote, so quoting each one keeps spaces and tabs in it.
    std::string command = "cd '" + dir.string() + "' && '" + kTool.string() + "'";
    for (const auto& arg : args)
        command += " '" + arg + "'";
    const int raw =
        std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}
#endif

// Each test runs the tool inside an empty folder of its own, so relative names in the
// arguments are the names the tool prints back.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillon-cli-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(std::random_device{}()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // name is UTF-8, as the tool takes its arguments.
    fs::path Path(const std::string& name) const { return dir_ / quillon::PathFromUtf8(name); }
    void CopySample(const std::string& sample, const std::string& as = {}) {
        fs::copy_file(kSamples / sample, Path(as.empty() ? sample : as));
    }

    CliResult Run(const Args& args) const {
        const int status = RunTool(dir_, args, Path(".out"), Path(".err"));
        CliResult result{status, ReadBytes(Path(".out")), ReadBytes(Path(".err"))};
        fs::remove(Path(".out"));
        fs::remove(Path(".err"));
        return result;
    }

    // A command line split at its spaces.
    CliResult RunLine(const std::string& line) const {
        std::istringstream words(line);
        return Run(Args(std::istream_iterator<std::string>(words), {}));
    }

    // The names in the scratch folder (or a folder in it), so a test sees what a command left
    // behind.
    Args Listing(const std::string& folder = "") const {
        Args names;
        for (const auto& entry : fs::directory_iterator(Path(folder)))
            names.push_back(quillon::Utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path dir_;
};

// The exit status, stdout and stderr in one text, so one expectation states a whole run.
inline std::string Outcome(const CliResult& r) {
    return std::to_string(r.status) + "|" + r.out + "|" + r.err;
}

// An error is exactly one line on stderr, and it names what it is about.
inline void ExpectOneErrorLine(const CliResult& result, const std::string& file) {
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_NE(result.err.find(file), std::string::npos) << result.err;
}
