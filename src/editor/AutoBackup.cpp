// Backup numbers, unfinished backups, and the replacement of the backup on every edit.
#include "editor/AutoBackup.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "editor/Platform.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon {

namespace {

std::set<std::string> LowerCaseNames(const std::vector<std::string>& listing) {
    std::set<std::string> names;
    for (const std::string& name : listing)
        names.insert(LowerCase(name));
    return names;
}

} // namespace

int FirstFreeBackupNumber(const std::vector<std::string>& listing, std::string_view cutFileName) {
    const std::set<std::string> taken = LowerCaseNames(listing);
    for (int counter = 1; counter <= kLastBackupNumber; ++counter) {
        const std::string name = LowerCase(BackupFileName(cutFileName, counter));
        // An unfinished backup may be all that is left of someone's work: its number stays
        // taken, so that it is never overwritten.
        if (taken.count(name) == 0 && taken.count(name + std::string(kBackupTempSuffix)) == 0)
            return counter;
    }
    return 0;
}

std::vector<std::string> LeftoverBackups(const std::vector<std::string>& listing,
                                         std::string_view cutFileName) {
    std::set<std::string> wanted;
    for (int counter = 1; counter <= kLastBackupNumber; ++counter)
        wanted.insert(LowerCase(BackupFileName(cutFileName, counter)) +
                      std::string(kBackupTempSuffix));
    std::vector<std::string> found;
    for (const std::string& name : listing)
        if (wanted.count(LowerCase(name)) != 0) found.push_back(name);
    return found;
}

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
