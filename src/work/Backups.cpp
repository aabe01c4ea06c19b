// The names of the automatic backups: each number's name, read back from a listing, free
// numbers and unfinished backups.
#include "work/Backups.h"

#include "base/AsciiCase.h"
#include "base/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quillon {

namespace {

constexpr std::string_view kBackupEnding = ".tmf";

// The unfinished backup's name without its ending; nothing for a name without it.
std::optional<std::string_view> UnfinishedBackup(std::string_view name) {
    if (!EndsWithIgnoringCase(name, kBackupTempSuffix)) return std::nullopt;
    return name.substr(0, name.size() - kBackupTempSuffix.size());
}

// The number name takes among the backups of stem: 1 to 99 written as BackupFileName writes
// them; 0 for every other name.
int NumberAmong(std::string_view name, std::string_view stem) {
    const std::optional<ListedBackup> backup = ParseBackupName(name);
    if (!backup || !EqualIgnoringCase(backup->stem, stem)) return 0;
    const std::string_view digits = backup->number;
    int number = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (read.ec != std::errc() || number < 1 || number > kLastBackupNumber) return 0;
    return std::to_string(number) == digits ? number : 0; // "07" is not number 7's name
}

} // namespace

std::string_view BackupStem(std::string_view cutFileName) {
    return cutFileName.size() > 4 ? cutFileName.substr(0, cutFileName.size() - 4)
                                  : std::string_view{};
}

std::string BackupFileName(std::string_view cutFileName, int counter) {
    return std::string(BackupStem(cutFileName)) + "_" + std::to_string(counter) +
           std::string(kBackupEnding);
}

std::optional<ListedBackup> ParseBackupName(std::string_view fileName) {
    if (!EndsWithIgnoringCase(fileName, kBackupEnding)) return std::nullopt;
    const std::string_view name = fileName.substr(0, fileName.size() - kBackupEnding.size());
    const std::size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 == name.size()) return std::nullopt;
    const std::string_view digits = name.substr(underscore + 1);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
    return ListedBackup{name.substr(0, underscore), digits};
}

int FirstFreeBackupNumber(const std::vector<std::string>& listing, std::string_view cutFileName) {
    const std::string_view stem = BackupStem(cutFileName);
    std::array<bool, kLastBackupNumber + 1> taken{};
    for (const std::string& listed : listing) {
        // An unfinished backup may be all that is left of someone's work: its number stays
        // taken, so that it is never overwritten.
        const std::string_view name = UnfinishedBackup(listed).value_or(listed);
        if (const int number = NumberAmong(name, stem); number != 0)
            taken[static_cast<std::size_t>(number)] = true;
    }
    for (int counter = 1; counter <= kLastBackupNumber; ++counter)
        if (!taken[static_cast<std::size_t>(counter)]) return counter;
    return 0;
}

std::vector<std::string> LeftoverBackups(const std::vector<std::string>& listing,
                                         std::string_view cutFileName) {
    const std::string_view stem = BackupStem(cutFileName);
    std::vector<std::string> found;
    for (const std::string& listed : listing)
        if (const auto name = UnfinishedBackup(listed); name && NumberAmong(*name, stem) != 0)
            found.push_back(listed);
    return found;
}

} // namespace quillon
