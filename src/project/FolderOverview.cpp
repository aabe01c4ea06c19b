// A folder of cutscene files read, each with its newest work file, and counted.
#include "project/FolderOverview.h"

#include "base/AsciiCase.h"
#include "base/Utf8Path.h"
#include "formats/Formats.h"

#include <algorithm>

namespace quillon {

namespace fs = std::filesystem;

bool ListedBefore(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return static_cast<unsigned char>(AsciiLower(c)); };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]);
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

FileOverview OverviewOf(const fs::path& cutPath, const WorkFile& work, char language) {
    FileOverview file;
    file.name = Utf8FromPath(cutPath.filename());
    ReadResult read = ReadGameFile(cutPath);
    if (!read.ok()) {
        file.error = read.message.empty() ? file.name + ": cannot be read as a cutscene file."
                                          : read.message;
        return file;
    }
    Document& document = read.document;
    if (work.source != WorkSource::None) {
        ApplyTmfLines(document, work.tmf.lines);
        file.source = work.source;
        file.workFile = work.path;
    }
    file.counts = ValidateEveryRow(document, true, language);
    return file;
}

FolderOverview BuildFolderOverview(const OverviewSources& sources) {
    FolderOverview overview;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(sources.cutFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code kind;
        const std::string name = Utf8FromPath(it->path().filename());
        if (IsGameTextFile(name) && it->is_regular_file(kind)) names.push_back(name);
    }
    if (ec) {
        overview.error = Utf8FromPath(sources.cutFolder) + ": the folder cannot be listed (" +
                         ec.message() + ").";
        return overview;
    }
    std::sort(names.begin(), names.end(), ListedBefore);

    WorkFileIndex index;
    if (sources.backupFolder) index.AddBackupFolder(*sources.backupFolder);
    if (sources.workFolder) index.AddWorkFolder(*sources.workFolder);
    overview.files.reserve(names.size());
    for (const std::string& name : names) {
        overview.files.push_back(
            OverviewOf(sources.cutFolder / name, index.NewestFor(name), sources.language));
        overview.total.Add(overview.files.back().counts);
    }
    return overview;
}

} // namespace quillon
