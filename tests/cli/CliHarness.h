// Runs the built quillon-cli in a scratch folder and reads back what it printed and wrote.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline const fs::path kSamples = QUILLON_SAMPLES;

// Each test runs the tool inside an empty folder of its own, so relative names in the
// arguments are the names the tool prints back.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillon-cli-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Path(const std::string& name) const { return dir_ / name; }
    void CopySample(const std::string& sample, const std::string& as = {}) {
        fs::copy_file(kSamples / sample, Path(as.empty() ? sample : as));
    }

    CliResult Run(const Args& args) const {
        // No argument here holds a quote, so quoting each one keeps spaces and tabs in it.
        std::string command = "cd '" + dir_.string() + "' && '" QUILLON_CLI "'";
        for (const auto& arg : args)
            command += " '" + arg + "'";
        const int raw = std::system((command + " >.out 2>.err").c_str());
        CliResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(Path(".out")),
                         ReadBytes(Path(".err"))};
        fs::remove(Path(".out"));
        fs::remove(Path(".err"));
        return result;
    }

    // A command line split at its spaces.
    CliResult RunLine(const std::string& line) const {
        std::istringstream words(line);
        return Run(Args(std::istream_iterator<std::string>(words), {}));
    }

    // The names in the scratch folder, so a test sees what a command left behind.
    Args Listing() const {
        Args names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
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
