// Writing a temporary messages file: the one the user chose, or the automatic backup.
#include "workflow/Form1.h"

#include "cut/FileIO.h"
#include "cut/Utf8Path.h"
#include "tmf/Tmf.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace quillon {

namespace {

// The backup is rewritten on every keystroke. It still goes through a complete temporary
// file, but the old backup is removed before the rename: renaming over an existing file
// makes some file systems (ext4) flush the data at once, which costs milliseconds per key.
// A crash between the two steps leaves the complete new backup under the temporary name.
bool ReplaceBackup(const std::string& path, const std::string& bytes) {
    const std::filesystem::path temp = PathFromUtf8(path + ".tmp");
    std::FILE* f = OpenPath(temp, "wb");
    if (f == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = std::fclose(f) == 0 && written;
    std::error_code ec;
    if (!written) {
        std::filesystem::remove(temp, ec); // never leave half a file
        return false;
    }
    std::filesystem::remove(PathFromUtf8(path), ec);
    std::filesystem::rename(temp, PathFromUtf8(path), ec);
    return !ec;
}

} // namespace

void Form1::CreateTMF(int Index) {
    if (Ended) return;
    TmfBuildResult built = BuildTmf(State.CutFileName, Table, Index);

    // A backup that cannot be written (its folder gone or read-only) must not interrupt the
    // typing or touch the table; the next edit tries again.
    if (Index == 3) {
        if (built.error.empty())
            ReplaceBackup(platform.ProgramFolder() + kPathSeparator + "Backup" + kPathSeparator +
                              State.BackupFileName,
                          built.bytes);
        return;
    }

    const std::string& path = CommonDialog1.FileName;
    std::string error;
    if (path.empty())
        error = "No file name was chosen for the Temporary Messages File.";
    else if (!built.error.empty())
        error = "Cannot save " + path + ": " + built.error;
    else
        error = WriteFileAtomically(PathFromUtf8(path), built.bytes);
    if (error.empty())
        MsgBox("Tempory Messages File is saved!");
    else
        MsgBox(error, kAppTitle);
}

} // namespace quillon
