// The automatic backup on the disk: replacing the backup on every edit. Its names, and which
// number an opening may take, are work/Backups.h's.
#pragma once

#include "work/Backups.h"

#include <string>
#include <string_view>

namespace quillon {

// Puts bytes in place as the backup at path: written whole to path + ".tmp" (which must not
// exist yet), then swapped with the old backup, so that at every instant the name holds a
// complete backup; the old copy is then removed. Where the file system cannot swap, a plain
// rename replaces the old backup in one step. False when anything fails; no temporary file
// of this call is left behind then.
bool ReplaceBackupFile(const std::string& path, std::string_view bytes);

} // namespace quillon
