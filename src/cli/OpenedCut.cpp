// A cutscene file read into its message table, with a work file's new messages put into it.
#include "cli/OpenedCut.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "work/Tmf.h"

namespace quillon::cli {
namespace {

// Messages from the core name the file in their own way; make sure the line names ours.
std::string NamingFile(const std::filesystem::path& path, const std::string& message) {
    const std::string shown = Utf8FromPath(path);
    if (message.find(shown) != std::string::npos ||
        message.find(Utf8FromPath(path.filename())) != std::string::npos)
        return message;
    return shown + ": " + message;
}

} // namespace

std::string OpenCut(const std::filesystem::path& path, OpenedCut& cut) {
    CutReadResult read = ReadCutFile(path);
    if (!read.ok())
        return NamingFile(path, read.message.empty() ? "cannot be read as a cutscene file."
                                                     : read.message);
    cut.path = path;
    // On Windows "c01.cut" opens C01.CUT, whose work files name it C01.CUT.
    cut.fileName = Utf8FromPath(StoredSpelling(path).filename());
    cut.layout = read.layout;
    cut.table.Clear();
    NumberingState numbering;
    FillMessageTable(cut.table, numbering, read.entries);
    return {};
}

std::string LoadWorkFile(const std::filesystem::path& tmfPath, OpenedCut& cut) {
    FileReadResult file = ReadWholeFile(tmfPath);
    if (!file.error.empty()) return NamingFile(tmfPath, file.error);
    TmfParseResult parsed = ParseTmf(file.bytes, Utf8FromPath(tmfPath));
    if (!parsed.error.empty()) return NamingFile(tmfPath, parsed.error);
    // The editor's own words, with the file they are about in front of them.
    if (parsed.headerName != cut.fileName)
        return Utf8FromPath(tmfPath) + ": This file is for " + parsed.headerName + ".";
    ApplyTmfLines(cut.table, parsed.lines);
    return {};
}

std::string OpenCutWithWorkFile(const std::filesystem::path& cutPath,
                                const std::filesystem::path& tmfPath, OpenedCut& cut) {
    std::string problem = OpenCut(cutPath, cut);
    return problem.empty() ? LoadWorkFile(tmfPath, cut) : problem;
}

} // namespace quillon::cli
