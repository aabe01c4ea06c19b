// A game text file read into a document, with a work file's new messages put into it.
#include "cli/OpenedFile.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/Formats.h"
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

std::string OpenGameFile(const std::filesystem::path& path, OpenedFile& file) {
    ReadResult read = ReadGameFile(path);
    if (!read.ok())
        return NamingFile(path, read.message.empty() ? "cannot be read as a game text file."
                                                     : read.message);
    file.path = path;
    // On Windows "c01.cut" opens C01.CUT, whose work files name it C01.CUT.
    file.fileName = Utf8FromPath(StoredSpelling(path).filename());
    file.document = std::move(read.document);
    return {};
}

std::string LoadWorkFile(const std::filesystem::path& tmfPath, OpenedFile& file) {
    FileReadResult tmf = ReadWholeFile(tmfPath);
    if (!tmf.error.empty()) return NamingFile(tmfPath, tmf.error);
    const TmfLettersResult letters =
        TmfInGameLetters(tmf.bytes, file.font, file.utf8, Utf8FromPath(tmfPath));
    if (!letters.error.empty()) return letters.error;
    file.lettersNote = letters.note;
    TmfParseResult parsed = ParseTmf(letters.bytes, Utf8FromPath(tmfPath));
    if (!parsed.error.empty()) return NamingFile(tmfPath, parsed.error);
    // The editor's own words, with the file they are about in front of them.
    if (parsed.headerName != file.fileName)
        return Utf8FromPath(tmfPath) + ": This file is for " + parsed.headerName + ".";
    ApplyTmfLines(file.document, parsed.lines);
    return {};
}

std::string OpenWithWorkFile(const std::filesystem::path& gamePath,
                             const std::filesystem::path& tmfPath, OpenedFile& file) {
    std::string problem = OpenGameFile(gamePath, file);
    return problem.empty() ? LoadWorkFile(tmfPath, file) : problem;
}

} // namespace quillon::cli
