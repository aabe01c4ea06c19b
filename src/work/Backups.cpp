// The names of the automatic backups.
#include "work/Backups.h"

namespace quillon {

std::string BackupFileName(std::string_view cutFileName, int counter) {
    const std::string_view stem =
        cutFileName.size() > 4 ? cutFileName.substr(0, cutFileName.size() - 4) : std::string_view{};
    return std::string(stem) + "_" + std::to_string(counter) + ".tmf";
}

} // namespace quillon
