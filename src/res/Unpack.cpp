// Takes entries out of a resource file, all written before any takes its name.
#include "res/Unpack.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "formats/Formats.h"

#include <memory>
#include <system_error>

namespace quillon {

namespace fs = std::filesystem;

namespace {

// The nearest folder that exists on the way to path, whose file system will hold it.
fs::path ExistingFolder(fs::path path) {
    std::error_code ec;
    while (!path.empty() && !fs::is_directory(path, ec)) {
        const fs::path parent = path.parent_path();
        if (parent == path) break;
        path = parent;
    }
    return path.empty() ? fs::path(".") : path;
}

std::string NameList(const std::vector<std::string>& names, std::size_t shown = 5) {
    std::string out;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i)
        out += (i ? ", " : "") + ShownName(names[i]);
    if (names.size() > shown) out += ", ...";
    return out;
}

} // namespace

UnpackResult Unpack(const fs::path& game, const fs::path& dir, const UnpackOptions& options) {
    UnpackResult result;
    ResourceInput input(game);
    const ResourceTableResult read = ReadResourceTable(input, Utf8FromPath(game));
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    const ResourceTable& table = read.table;

    std::vector<const ResourceEntry*> chosen;
    std::uint64_t bytes = 0;
    for (const ResourceEntry& entry : table.entries) {
        if (!options.all && !IsGameTextFile(entry.name)) continue;
        if (!entry.InThisFile()) {
            result.skipped.push_back(entry.name);
            continue;
        }
        chosen.push_back(&entry);
        bytes += entry.size;
    }

    std::error_code ec;
    const fs::file_status dirStatus = fs::status(dir, ec);
    const bool dirExisted = fs::exists(dirStatus);
    if (dirExisted && !fs::is_directory(dirStatus)) {
        result.error = Utf8FromPath(dir) + ": this is a file, not a folder.";
        return result;
    }
    std::vector<std::string> present, inTheWay;
    for (const ResourceEntry* entry : chosen) {
        const fs::file_status status = fs::symlink_status(dir / entry->name, ec);
        if (!fs::exists(status)) continue;
        (fs::is_directory(status) ? inTheWay : present).push_back(entry->name);
    }
    if (!inTheWay.empty()) {
        result.error = Utf8FromPath(dir) + ": " + NameList(inTheWay) +
                       (inTheWay.size() == 1 ? " is a folder" : " are folders") +
                       " where an entry would go; nothing written.";
        return result;
    }
    if (!present.empty() && !options.force) {
        result.error = Utf8FromPath(dir) + ": " + std::to_string(present.size()) +
                       (present.size() == 1 ? " file already exists" : " files already exist") +
                       " (" + NameList(present) + "); --force replaces them. Nothing written.";
        return result;
    }
    const fs::space_info space = fs::space(ExistingFolder(dir), ec);
    if (!ec && space.available < bytes) {
        result.error = Utf8FromPath(dir) + ": not enough free space: the entries need " +
                       std::to_string(bytes) + " bytes, " + std::to_string(space.available) +
                       " are free. Nothing written.";
        return result;
    }

    if (!dirExisted && !fs::create_directories(dir, ec) && ec) {
        result.error = Utf8FromPath(dir) + ": the folder cannot be made (" + ec.message() + ").";
        return result;
    }
    std::vector<std::unique_ptr<AtomicFileWriter>> writers;
    std::vector<AtomicFileWriter*> batch;
    auto undo = [&](const std::string& error) {
        writers.clear(); // each removes its temporary file
        result.error = error;
        result.written.clear();
        std::error_code ignored;
        if (!dirExisted) fs::remove(dir, ignored); // only when it is empty again
        return result;
    };

    writers.reserve(chosen.size());
    for (const ResourceEntry* entry : chosen) {
        writers.push_back(std::make_unique<AtomicFileWriter>(dir / entry->name));
        AtomicFileWriter& writer = *writers.back();
        const bool read = input.ReadRange(
            entry->offset, entry->size, [&writer](std::string_view piece) { writer.Write(piece); });
        if (!read) return undo(input.error());
        if (std::string problem = writer.Close(); !problem.empty()) return undo(problem);
        batch.push_back(&writer);
        result.written.push_back(entry->name);
    }
    input.Close();
    if (std::string problem = AtomicFileWriter::CommitAll(batch); !problem.empty())
        return undo(problem);
    return result;
}

} // namespace quillon
