// Where a cutscene file's translation in progress is kept: the editor's automatic backups
// (NAME_N.tmf in its Backup folder) and the work files a translator saves in a folder of
// their own. The newest file that would load into the cutscene file wins.
#pragma once

#include "text/GameFont.h"
#include "work/Tmf.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quillon {

enum class WorkSource { None, Backup, WorkFolder };

struct WorkFile {
    WorkSource source = WorkSource::None;
    std::filesystem::path path; // empty when there is none
    TmfParseResult tmf;         // its lines, read and parsed
};

class WorkFileIndex {
public:
    // Every .tmf of folder whose first line names a cutscene file. A folder that cannot be
    // listed adds nothing.
    void AddWorkFolder(const std::filesystem::path& folder);
    // Every backup NAME_N.tmf of folder (N a number); "*.tmp" leftovers of an interrupted
    // write are not backups.
    void AddBackupFolder(const std::filesystem::path& folder);

    // The newest candidate whose header names cutName exactly, as loading it would demand.
    // Nothing found: source None.
    // A work file in UTF-8 is read through the font's letters; one whose letters the font
    // lacks is passed over like a broken one.
    WorkFile NewestFor(const std::string& cutName, GameFont font = GameFont::Regular) const;

private:
    struct Candidate {
        std::filesystem::path path;
        std::filesystem::file_time_type time;
        WorkSource source;
    };
    std::map<std::string, std::vector<Candidate>> byHeader_;      // work folder, by header name
    std::map<std::string, std::vector<Candidate>> backupsByStem_; // by lower-case stem
};

} // namespace quillon
