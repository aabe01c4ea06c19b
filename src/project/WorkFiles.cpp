// Finding each cutscene file's newest work file among the backups and a work folder.
#include "project/WorkFiles.h"

#include "base/AsciiCase.h"
#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "work/Backups.h"

#include <algorithm>
#include <fstream>

namespace quillon {

namespace fs = std::filesystem;

namespace {

// The header's name: the first line from its 20th byte on, without its line end.
std::string HeaderNameOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line.size() > kTmfHeaderPrefix.size() ? line.substr(kTmfHeaderPrefix.size())
                                                 : std::string();
}

template <typename Each> void ForEachFile(const fs::path& folder, Each each) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        std::error_code timeError;
        const fs::file_time_type time = it->last_write_time(timeError);
        if (timeError) continue;
        each(it->path(), time);
    }
}

} // namespace

void WorkFileIndex::AddWorkFolder(const fs::path& folder) {
    ForEachFile(folder, [this](const fs::path& path, fs::file_time_type time) {
        if (!EndsWithIgnoringCase(Utf8FromPath(path.filename()), ".tmf")) return;
        std::string header = HeaderNameOf(path);
        if (header.empty()) return;
        byHeader_[header].push_back({path, time, WorkSource::WorkFolder});
    });
}

void WorkFileIndex::AddBackupFolder(const fs::path& folder) {
    ForEachFile(folder, [this](const fs::path& path, fs::file_time_type time) {
        const std::string name = Utf8FromPath(path.filename());
        if (const std::optional<ListedBackup> backup = ParseBackupName(name))
            backupsByStem_[LowerCase(backup->stem)].push_back({path, time, WorkSource::Backup});
    });
}

WorkFile WorkFileIndex::NewestFor(const std::string& cutName, GameFont font) const {
    std::vector<Candidate> candidates;
    if (auto it = byHeader_.find(cutName); it != byHeader_.end()) candidates = it->second;
    if (auto it = backupsByStem_.find(LowerCase(BackupStem(cutName))); it != backupsByStem_.end())
        candidates.insert(candidates.end(), it->second.begin(), it->second.end());
    // Newest first; on a tie a saved work file goes before a backup, then by name.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.time != b.time) return a.time > b.time;
        if (a.source != b.source) return a.source == WorkSource::WorkFolder;
        return a.path < b.path;
    });
    for (const Candidate& candidate : candidates) {
        const FileReadResult file = ReadWholeFile(candidate.path);
        if (!file.error.empty()) continue; // gone since the folder was listed
        const TmfLettersResult letters =
            TmfInGameLetters(file.bytes, font, false, Utf8FromPath(candidate.path));
        if (!letters.error.empty()) continue;
        TmfParseResult tmf = ParseTmf(letters.bytes, Utf8FromPath(candidate.path));
        if (!tmf.error.empty() || tmf.headerName != cutName) continue;
        return {candidate.source, candidate.path, std::move(tmf)};
    }
    return {};
}

} // namespace quillon
