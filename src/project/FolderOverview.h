// Every cutscene file of a folder with its newest work file: what is translated, blank and
// invalid, file by file and for the whole folder.
#pragma once

#include "project/MessageTally.h"
#include "project/WorkFiles.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

struct FileOverview {
    std::string name;    // the .CUT file's name in its folder
    MessageTally counts; // as `quillon-cli check` counts the file with its work file
    WorkSource source = WorkSource::None;
    std::filesystem::path workFile; // the .TMF that was read; empty when none
    std::string error;              // why the .CUT (or its work file) could not be used
};

struct FolderOverview {
    std::vector<FileOverview> files; // by name, without regard to letter case
    MessageTally total;              // the sums (no lists)
    std::string error;               // the folder itself could not be listed
};

struct OverviewSources {
    std::filesystem::path cutFolder;
    std::optional<std::filesystem::path> backupFolder; // the editor's Backup folder
    std::optional<std::filesystem::path> workFolder;   // where the translator saves .TMF files
    char language = 'E'; // the version string's letter: the font layouts are measured with
};

// The order of the editor's file lists: ASCII letters without regard to case, then byte by byte
// (so "A.CUT" before "a.CUT", both before "b.CUT").
bool ListedBefore(const std::string& a, const std::string& b);

// One cutscene file read as the editor opens it, the work file's lines put in as "Load text
// file" puts them, every row validated and laid out in the language's font. Without a work
// file every message counts as blank.
FileOverview OverviewOf(const std::filesystem::path& cutPath, const WorkFile& work,
                        char language = 'E');

FolderOverview BuildFolderOverview(const OverviewSources& sources);

} // namespace quillon
