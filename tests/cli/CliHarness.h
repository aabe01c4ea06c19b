// Runs the built quillon-cli in a scratch folder and reads back what it printed and wrote.
#pragma once

#include "base/Utf8Path.h"
#include "support/CutImage.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct CliResult {
    int status = -1;
    std::string out, err;
};

using quillon::test::ReadBytes;
using quillon::test::TmfBytes;
using quillon::test::WriteBytes;

// Absolute, so they still name the same files from the tool's own working folder (under wine
// a folder given as /work/... is taken on the current drive).
inline const fs::path kSamples = fs::absolute(quillon::PathFromUtf8(QUILLON_SAMPLES));
inline const fs::path kTool = fs::absolute(quillon::PathFromUtf8(QUILLON_CLI));

// A command line split at its spaces.
inline Args Words(const std::string& line) {
    std::istringstream words(line);
    return Args(std::istream_iterator<std::string>(words), {});
}

#ifdef _WIN32
// Runs the tool through cmd, its arguments as wide characters, stdout and stderr going to
// files. No argument here holds a quote, a percent sign or a backslash at its end.
inline int RunTool(const fs::path& dir, const std::vector<std::string>& args, const fs::path& out,
                   const fs::path& err) {
    const auto quoted = [](const fs::path& arg) { return L"\"" + arg.native() + L"\""; };
    const auto place = [&](fs::path path) { return quoted(path.make_preferred()); };
    std::wstring line = L"cd /d " + place(dir) + L" && " + place(kTool);
    for (const std::string& arg : args)
        line += L" " + quoted(quillon::PathFromUtf8(arg));
    return ::_wsystem((line + L" >" + place(out) + L" 2>" + place(err)).c_str());
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
    // name is UTF-8, as the tool takes its arguments.
    fs::path Path(const std::string& name) const { return dir_ / name; }
    void CopySample(const std::string& sample, const std::string& as = {}) {
        fs::copy_file(kSamples / sample, Path(as.empty() ? sample : as));
    }

    CliResult Run(const Args& args) const {
        const int status = RunTool(dir_.path, args, Path(".out"), Path(".err"));
        CliResult result{status, ReadBytes(Path(".out")), ReadBytes(Path(".err"))};
        fs::remove(Path(".out"));
        fs::remove(Path(".err"));
        return result;
    }

    CliResult RunLine(const std::string& line) const { return Run(Words(line)); }

    // Everything in the scratch folder (or a folder in it), so a test sees what a command
    // left behind: "a b sub/ sub/c".
    std::string Listing(const std::string& folder = "") const {
        return quillon::test::Listing(Path(folder));
    }

private:
    quillon::test::TempDir dir_;
};

// What check and apply print for a work file with nothing invalid, blank or warned of.
inline const std::string kValid = "Invalid messages: 0\nBlank messages: 0\nWarnings: 0\n";
inline const std::string kClean = kValid + "Layout warnings: 0\n";

// The exit status, stdout and stderr in one text, so one expectation states a whole run.
inline std::string Outcome(const CliResult& r) {
    return std::to_string(r.status) + "|" + r.out + "|" + r.err;
}

// An error is exactly one line on stderr, and it names what it is about.
inline void ExpectOneErrorLine(const CliResult& result, const std::string& file) {
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_NE(result.err.find(file), std::string::npos) << result.err;
}
