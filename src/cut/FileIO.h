// Whole-file reads and writes that never leave a half-written file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillon {

struct FileReadResult {
    std::string error; // one line naming the file; empty when ok
    std::string bytes;
};
FileReadResult ReadWholeFile(const std::filesystem::path& path);

// Writes bytes to a temporary file beside path, flushes it, then renames it over path.
// On any failure (full disk, read-only folder) the temporary file is removed, whatever was at
// path is left untouched, and a one-line message naming path is returned. Empty when ok.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Finishes an update in place: the file at path becomes path + ".BAK" (an earlier .BAK is
// replaced) and path + ".TEMP" takes the file's name. The name never goes missing: the
// backup is made by a link or a copy, then the temporary file is renamed over the name.
// Returns an empty text when every step worked, else what failed (the steps that could run
// have run).
std::string FinishUpdateInPlace(const std::filesystem::path& path);

} // namespace quillon
