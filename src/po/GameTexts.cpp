// Every game text file of the whole game at once, read into documents.
#include "po/GameTexts.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/Formats.h"
#include "project/FolderOverview.h"
#include "res/ResourceFile.h"

#include <algorithm>

namespace quillon {
namespace {

namespace fs = std::filesystem;

// The reader's message names the file already; a bare failure gets a line of its own.
std::string ReadProblem(const ReadResult& read, const std::string& shown) {
    return read.message.empty() ? shown + ": cannot be read as a game text file." : read.message;
}

GameTextsResult FromFolder(const fs::path& folder) {
    GameTextsResult result;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        const std::string name = Utf8FromPath(it->path().filename());
        if (IsGameTextFile(name) && it->is_regular_file(kind)) names.push_back(name);
    }
    if (ec) {
        result.error =
            Utf8FromPath(folder) + ": the folder cannot be listed (" + ec.message() + ").";
        return result;
    }
    std::sort(names.begin(), names.end(), ListedBefore);
    for (const std::string& name : names) {
        const fs::path path = folder / PathFromUtf8(name);
        FileReadResult bytes = ReadWholeFile(path);
        if (!bytes.error.empty()) {
            result.error = bytes.error;
            return result;
        }
        ReadResult read = ReadGameBytes(bytes.bytes, name, Utf8FromPath(path));
        if (!read.ok()) {
            result.error = ReadProblem(read, Utf8FromPath(path));
            return result;
        }
        result.files.push_back({name, std::move(bytes.bytes), std::move(read.document)});
    }
    return result;
}

GameTextsResult FromResourceFile(const fs::path& game) {
    GameTextsResult result;
    const std::string shown = Utf8FromPath(game);
    ResourceInput input(game);
    ResourceTableResult table = ReadResourceTable(input, shown);
    if (!table.ok()) {
        result.error = table.error;
        return result;
    }
    for (const ResourceEntry& entry : table.table.entries) {
        if (!entry.InThisFile() || !IsGameTextFile(entry.name)) continue;
        std::string bytes;
        if (!input.ReadInto(entry.offset, entry.size, bytes)) {
            result.error = input.error();
            return result;
        }
        const std::string display = shown + ": " + entry.name;
        ReadResult read = ReadGameBytes(bytes, entry.name, display);
        if (!read.ok()) {
            result.error = ReadProblem(read, display);
            return result;
        }
        result.files.push_back({entry.name, std::move(bytes), std::move(read.document)});
    }
    return result;
}

} // namespace

GameTextsResult ReadGameTexts(const fs::path& gameOrFolder) {
    std::error_code ec;
    if (fs::is_directory(gameOrFolder, ec)) return FromFolder(gameOrFolder);
    return FromResourceFile(gameOrFolder);
}

} // namespace quillon
