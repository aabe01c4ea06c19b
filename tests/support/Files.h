// Files for the tests: a temporary folder of their own, whole files read and written, and what
// a folder holds, so a test sees what a step left behind.
#pragma once

#include "base/Utf8Path.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

namespace quillon::test {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed with everything in it.
struct TempDir {
    fs::path path = fs::temp_directory_path() / ("quillon-test-" + std::to_string(::getpid()) +
                                                 "-" + std::to_string(counter++));
    TempDir() { fs::remove_all(path, ec), fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path, ec); }
    TempDir(const TempDir&) = delete;
    // A name inside it, given in UTF-8 as the programs take names.
    fs::path operator/(const std::string& name) const { return path / PathFromUtf8(name); }

private:
    static inline std::atomic<int> counter{0};
    std::error_code ec;
};

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
// The same for a path as the editor holds it: UTF-8 text.
inline std::string ReadBytes(const std::string& path) {
    return ReadBytes(PathFromUtf8(path));
}
inline void WriteBytes(const std::string& path, const std::string& bytes) {
    WriteBytes(PathFromUtf8(path), bytes);
}

// Everything under a folder in name order, paths relative to it: "a b sub/ sub/c", or with
// the files' bytes "a=...;b=...;sub/;sub/c=...;".
inline std::string Listing(const fs::path& folder, bool withBytes = false) {
    std::map<std::string, std::string> entries; // name, and what follows it
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
        std::string name = Utf8FromPath(fs::relative(entry.path(), folder));
        std::replace(name.begin(), name.end(), '\\', '/'); // one spelling on every system
        entries[name] = entry.is_directory() ? "/" : withBytes ? "=" + ReadBytes(entry.path()) : "";
    }
    std::string all;
    for (const auto& [name, after] : entries)
        all += withBytes ? name + after + ";" : (all.empty() ? "" : " ") + name + after;
    return all;
}
inline std::string Listing(const std::string& folder, bool withBytes = false) {
    return Listing(PathFromUtf8(folder), withBytes);
}

} // namespace quillon::test
