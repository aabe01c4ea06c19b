// Whole-file reads and writes that never leave a half-written file behind.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillon {

// Opens a file by its path in the system's own form (wide characters on Windows, so no name
// goes through the ANSI code page). Give a mode with "b": every byte then comes back as it
// is, CR LF included.
std::FILE* OpenPath(const std::filesystem::path& path, const char* mode);

// Creates a file for writing only when nothing of that name exists (else null, errno EEXIST),
// so a temporary file is never someone else's.
std::FILE* CreateNewFile(const std::filesystem::path& path);

// Renames from over to, replacing a file already there. On Windows the move is on the disk
// when it returns (write-through). Empty when ok.
std::error_code RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// The path with its last part spelt as its folder holds it. On Windows names that differ only
// in letter case are one file, and a file replaced under another spelling keeps its own;
// elsewhere, and for a file that does not exist, the path as it is.
std::filesystem::path StoredSpelling(const std::filesystem::path& path);

struct FileReadResult {
    std::string error; // one line naming the file; empty when ok
    std::string bytes;
};
FileReadResult ReadWholeFile(const std::filesystem::path& path);

// A new version of a file, written piece by piece under a fresh temporary name beside it and
// renamed over it only once complete. Until Commit succeeds whatever was at the target is
// untouched; a writer dropped without a successful Commit removes its temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Appends bytes; after the first failure it does nothing more.
    void Write(std::string_view bytes);
    // Flushes the data to the disk, renames the file over the target and flushes the folder,
    // so that once it returns a power cut leaves either the old file or the whole new one.
    // Empty when ok, else one line naming the target.
    std::string Commit();
    // Finishes writing and closes the temporary file without waiting for the disk, so that
    // many files can share one wait in CommitAll (an open file each would run out of handles).
    // Empty when ok, else one line naming the target; a failed writer removes its file.
    std::string Close();
    // Commits several writers, open or closed, with one flush of the disk for all of them
    // where the system has one (hundreds of small files then cost one disk flush instead of
    // hundreds): every file is on the disk before the first takes its name, then each is
    // renamed over its target and each folder is flushed once. Stops at the first failure;
    // writers left uncommitted remove their temporary files when dropped. Empty when ok.
    static std::string CommitAll(const std::vector<AtomicFileWriter*>& writers);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

private:
    void Fail(int error);
    void Discard();
    std::string Publish(bool syncFolder);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
    std::string error_;
    bool committed_ = false;
};

// Writes bytes through an AtomicFileWriter: on any failure (full disk, read-only folder) the
// temporary file is removed, whatever was at path is left untouched, and a one-line message
// naming path is returned. Empty when ok.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Finishes an update in place: the file at path becomes path + ".BAK" (an earlier .BAK is
// replaced) and path + ".TEMP" takes the file's name. The name never goes missing: the
// backup is made by a link or a copy, then the temporary file is renamed over the name; each
// step reaches the disk before the next. Returns an empty text when every step worked, else
// what failed (the steps that could run have run).
std::string FinishUpdateInPlace(const std::filesystem::path& path);

} // namespace quillon
