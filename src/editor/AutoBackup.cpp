// The replacement of the backup on every edit.
#include "editor/AutoBackup.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon {

bool ReplaceBackupFile(const std::string& path, std::string_view bytes) {
    const std::string temp = path + std::string(kBackupTempSuffix);
    const std::filesystem::path tempPath = PathFromUtf8(temp), backupPath = PathFromUtf8(path);
    // A temporary file that is already there is an unfinished backup, never this call's to
    // overwrite: it is created only where nothing is (exclusively, on every C runtime).
    std::error_code ec;
    std::FILE* f = CreateNewFile(tempPath);
    if (f == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = std::fclose(f) == 0 && written;
    if (!written) {
        std::filesystem::remove(tempPath, ec); // never leave half a file
        return false;
    }
#ifdef __linux__
    // Swapping the names keeps a complete backup under both of them at every instant, and
    // unlike a rename over an existing file it does not make ext4 push the data to the disk
    // at once, which would cost milliseconds on every keystroke. The old copy, now under the
    // temporary name, is then removed.
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.c_str());
        return true;
    }
    // No backup to swap with yet, or a file system that cannot swap: renamed below.
#endif
    std::filesystem::rename(tempPath, backupPath, ec);
    if (ec) {
        std::filesystem::remove(tempPath, ec);
        return false;
    }
    return true;
}

} // namespace quillon
