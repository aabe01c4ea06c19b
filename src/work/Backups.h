// The names of the automatic backups in the editor's Backup folder.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The automatic backup's name for a cutscene file: C12.CUT and 3 give "C12_3.tmf".
std::string BackupFileName(std::string_view cutFileName, int counter);

} // namespace quillon
