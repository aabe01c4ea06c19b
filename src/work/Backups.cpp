// The names of the automatic backups: each number's name, free numbers, unfinished backups.
#include "work/Backups.h"

#include "base/AsciiCase.h"

#include <set>

namespace quillon {

namespace {

std::set<std::string> LowerCaseNames(const std::vector<std::string>& listing) {
    std::set<std::string> names;
    for (const std::string& name : listing)
        names.insert(LowerCase(name));
    return names;
}

} // namespace

std::string BackupFileName(std::string_view cutFileName, int counter) {
    const std::string_view stem =
        cutFileName.size() > 4 ? cutFileName.substr(0, cutFileName.size() - 4) : std::string_view{};
    return std::string(stem) + "_" + std::to_string(counter) + ".tmf";
}

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

} // namespace quillon
