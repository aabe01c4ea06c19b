// Path helpers shared by every platform, and the rule that picks the program folder.
#include "editor/Platform.h"

#include "base/Utf8Path.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace quillon {

std::string NameOf(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::size_t LastSeparator(const std::string& path) {
#ifdef _WIN32
    return path.find_last_of("\\/");
#else
    return path.find_last_of(kPathSeparator);
#endif
}

namespace {

// A trailing separator would double up when a name is appended, so drop it (not from a
// root folder, which is nothing else).
std::string WithoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && LastSeparator(folder) == folder.size() - 1)
        folder.pop_back();
    return folder;
}

// Writable means a file can really be created there: permission bits alone do not tell
// about read-only mounts or ACLs.
bool CanCreateFileIn(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(PathFromUtf8(folder), ec)) return false;
    fs::path probe = PathFromUtf8(folder) /
                     (".quillon-probe-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

} // namespace

std::string ChooseProgramFolder(const char* quillonHome, const std::string& executableFolder,
                                const std::string& userDataFolder) {
    if (quillonHome != nullptr && *quillonHome != '\0')
        return WithoutTrailingSeparator(quillonHome);
    if (CanCreateFileIn(executableFolder)) return WithoutTrailingSeparator(executableFolder);
    return WithoutTrailingSeparator(userDataFolder);
}

} // namespace quillon
