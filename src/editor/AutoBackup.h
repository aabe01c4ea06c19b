// The automatic backup's files in the Backup folder: which number an opening may take, which
// unfinished backups an earlier run left, and replacing the backup on every edit.
#pragma once

#include "work/Backups.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A backup is first written whole under its name plus this ending, then put in place.
inline constexpr std::string_view kBackupTempSuffix = ".tmp";
inline constexpr int kLastBackupNumber = 99;

// The first number from 1 to 99 for which the Backup folder's listing holds neither
// NAME_N.tmf nor an unfinished NAME_N.tmf.tmp (names compared without regard to case);
// 0 when every number is taken.
int FirstFreeBackupNumber(const std::vector<std::string>& listing, std::string_view cutFileName);

// The unfinished backups NAME_N.tmf.tmp (N from 1 to 99) of a cutscene file in the listing,
// in listing order.
std::vector<std::string> LeftoverBackups(const std::vector<std::string>& listing,
                                         std::string_view cutFileName);

// Puts bytes in place as the backup at path: written whole to path + ".tmp" (which must not
// exist yet), then swapped with the old backup, so that at every instant the name holds a
// complete backup; the old copy is then removed. Where the file system cannot swap, a plain
// rename replaces the old backup in one step. False when anything fails; no temporary file
// of this call is left behind then.
bool ReplaceBackupFile(const std::string& path, std::string_view bytes);

} // namespace quillon
