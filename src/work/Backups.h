// The names of the automatic backups in the editor's Backup folder: which number an opening may
// take, and which unfinished backups an earlier run left.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A backup is first written whole under its name plus this ending, then put in place.
inline constexpr std::string_view kBackupTempSuffix = ".tmp";
inline constexpr int kLastBackupNumber = 99;

// The automatic backup's name for a cutscene file: C12.CUT and 3 give "C12_3.tmf".
std::string BackupFileName(std::string_view cutFileName, int counter);

// The first number from 1 to 99 for which the Backup folder's listing holds neither
// NAME_N.tmf nor an unfinished NAME_N.tmf.tmp (names compared without regard to case);
// 0 when every number is taken.
int FirstFreeBackupNumber(const std::vector<std::string>& listing, std::string_view cutFileName);

// The unfinished backups NAME_N.tmf.tmp (N from 1 to 99) of a cutscene file in the listing,
// in listing order.
std::vector<std::string> LeftoverBackups(const std::vector<std::string>& listing,
                                         std::string_view cutFileName);

} // namespace quillon
