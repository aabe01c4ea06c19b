// The names of the automatic backups in the editor's Backup folder: a cutscene file's backups
// are NAME_1.tmf to NAME_99.tmf, each first written whole as NAME_N.tmf.tmp. A listing is
// read without regard to letter case, as the file systems of Windows and macOS read names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A backup is first written whole under its name plus this ending, then put in place.
inline constexpr std::string_view kBackupTempSuffix = ".tmp";
inline constexpr int kLastBackupNumber = 99;

// The NAME a cutscene file's backups share: its name without the last four characters
// (C12.CUT gives "C12"; four characters or fewer give "").
std::string_view BackupStem(std::string_view cutFileName);

// The automatic backup's name for a cutscene file: C12.CUT and 3 give "C12_3.tmf".
std::string BackupFileName(std::string_view cutFileName, int counter);

// A listed name read back as a backup: NAME_N.tmf, N any run of digits, ".tmf" in any case.
struct ListedBackup {
    std::string_view stem;   // NAME as listed
    std::string_view number; // N's digits as listed: "07" is not the editor's "7"
};
// Nothing for any other name, an unfinished NAME_N.tmf.tmp among them.
std::optional<ListedBackup> ParseBackupName(std::string_view fileName);

// The first number from 1 to 99 for which the Backup folder's listing holds neither
// NAME_N.tmf nor an unfinished NAME_N.tmf.tmp (names compared without regard to case);
// 0 when every number is taken.
int FirstFreeBackupNumber(const std::vector<std::string>& listing, std::string_view cutFileName);

// The unfinished backups NAME_N.tmf.tmp (N from 1 to 99) of a cutscene file in the listing,
// in listing order.
std::vector<std::string> LeftoverBackups(const std::vector<std::string>& listing,
                                         std::string_view cutFileName);

} // namespace quillon
