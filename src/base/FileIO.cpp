// Whole-file reads, atomic writes and the backup-then-replace step of an update in place.
#include "base/FileIO.h"

#include "base/Utf8Path.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon {

namespace fs = std::filesystem;

std::FILE* OpenPath(const fs::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::FILE* CreateNewFile(const fs::path& path) {
#ifdef _WIN32
    // msvcrt's fopen takes "x" without honouring it, so the open itself is made exclusive.
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* f = ::_fdopen(fd, "wb");
    if (f == nullptr) {
        const int error = errno;
        ::_close(fd);
        std::error_code ignored;
        fs::remove(path, ignored);
        errno = error;
    }
    return f;
#else
    return OpenPath(path, "wbx");
#endif
}

std::error_code RenameReplacing(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    // The library's rename says "Input/output error" for every failure and does not wait for
    // the disk; the system's own move says what went wrong.
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
#else
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
#endif
}

fs::path StoredSpelling(const fs::path& path) {
#ifdef _WIN32
    // A wildcard would find some other file; no file name holds one.
    if (!path.has_filename() || path.native().find_first_of(L"*?") != std::wstring::npos)
        return path;
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return path;
    ::FindClose(search);
    fs::path stored = path;
    stored.replace_filename(found.cFileName);
    return stored;
#else
    return path;
#endif
}

namespace {

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Asks the system to put the file's data on the disk now; false (errno set) when it cannot.
bool SyncToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return ::_commit(::_fileno(f)) == 0; // FlushFileBuffers underneath
#else
    return ::fsync(::fileno(f)) == 0;
#endif
}

// Puts a folder's entries (a rename, a new link) on the disk. Windows has no such call for
// a folder; there the renames are made write-through instead. Elsewhere a folder that
// cannot be synced (some network file systems) is not an error worth failing a finished
// write for.
void SyncFolder(const fs::path& folder) {
#ifndef _WIN32
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)folder;
#endif
}

// Puts an existing file's data on the disk (a copy made by the library, say).
bool SyncPath(const fs::path& path) {
    std::FILE* f = OpenPath(path, "rb+");
    if (f == nullptr) return false;
    const bool synced = SyncToDisk(f);
    return std::fclose(f) == 0 && synced;
}

// A name beside target that nobody else uses, so two writers never share a temporary file.
fs::path TemporarySibling(const fs::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    fs::path name = target;
    name += ".part-" + std::to_string(salt) + "-" + std::to_string(counter++) + "-" +
            std::to_string(attempt);
    return name;
}

// Opens a new file that did not exist before: never reuse someone else's file.
std::FILE* CreateExclusive(const fs::path& target, fs::path& created, int& error) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        created = TemporarySibling(target, attempt);
        errno = 0;
        if (std::FILE* f = CreateNewFile(created)) return f;
        error = errno;
        if (error != EEXIST) return nullptr;
    }
    return nullptr;
}

} // namespace

FileReadResult ReadWholeFile(const fs::path& path) {
    FileReadResult result;
    const std::string name = Utf8FromPath(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        result.error = name + ": the file does not exist.";
        return result;
    }
    if (status.type() == fs::file_type::directory) {
        result.error = name + ": this is a folder, not a file.";
        return result;
    }
    errno = 0;
    std::FILE* f = OpenPath(path, "rb");
    if (!f) {
        result.error = name + ": the file cannot be opened (" + ErrnoText(errno) + ").";
        return result;
    }
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        result.bytes.append(buffer, got);
    const bool failed = std::ferror(f) != 0;
    const int error = errno;
    std::fclose(f);
    if (failed) {
        result.bytes.clear();
        result.error = name + ": the file cannot be read (" + ErrnoText(error) + ").";
    }
    return result;
}

AtomicFileWriter::AtomicFileWriter(fs::path target) : target_(std::move(target)) {
    int error = 0;
    file_ = CreateExclusive(target_, temp_, error);
    if (file_ == nullptr) {
        temp_.clear();
        Fail(error);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_) Discard();
}

void AtomicFileWriter::Fail(int error) {
    if (error_.empty())
        error_ =
            "Cannot write " + Utf8FromPath(target_) + ": " + ErrnoText(error ? error : EIO) + ".";
}

void AtomicFileWriter::Discard() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    if (!temp_.empty()) fs::remove(temp_, ignored);
    temp_.clear();
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (!ok() || bytes.empty()) return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail(errno);
}

std::string AtomicFileWriter::Close() {
    if (file_ != nullptr && ok()) {
        errno = 0;
        if (std::fflush(file_) != 0 || std::ferror(file_) != 0) Fail(errno);
        errno = 0;
        if (std::fclose(file_) != 0) Fail(errno);
        file_ = nullptr;
    }
    if (!ok()) Discard();
    return error_;
}

std::string AtomicFileWriter::Commit() {
    if (committed_) return error_;
    // Every step is checked: a full disk often shows only at the flush or the close.
    if (ok() && file_ != nullptr) {
        errno = 0;
        if (!SyncToDisk(file_) || std::ferror(file_) != 0) Fail(errno);
        errno = 0;
        if (std::fclose(file_) != 0) Fail(errno);
        file_ = nullptr;
    } else if (ok()) { // closed already: its data may still be in the cache
        errno = 0;
        if (!SyncPath(temp_)) Fail(errno);
    }
    if (!ok()) {
        Discard();
        return error_;
    }
    return Publish(true);
}

std::string AtomicFileWriter::Publish(bool syncFolder) {
    std::error_code ec;
#ifndef _WIN32
    // A replaced file keeps its permissions. (Windows has only a read-only flag, which would
    // refuse the rename and then the removal of the temporary file.)
    const fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temp_, old.permissions(), ec);
#endif

    ec = RenameReplacing(temp_, StoredSpelling(target_));
    if (ec) {
        error_ = "Cannot write " + Utf8FromPath(target_) + ": " + ec.message() + ".";
        Discard();
        return error_;
    }
    temp_.clear();
    committed_ = true;
    if (syncFolder) SyncFolder(target_.parent_path());
    return {};
}

std::string AtomicFileWriter::CommitAll(const std::vector<AtomicFileWriter*>& writers) {
    for (AtomicFileWriter* writer : writers)
        if (std::string problem = writer->Close(); !problem.empty()) return problem;

    std::vector<fs::path> folders;
    for (const AtomicFileWriter* writer : writers) {
        const fs::path folder = writer->target_.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
#ifdef __linux__
    // One flush of each file system involved puts every file's data on the disk at once.
    for (const fs::path& folder : folders) {
        const fs::path name = folder.empty() ? fs::path(".") : folder;
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        errno = 0;
        const bool synced = fd >= 0 && ::syncfs(fd) == 0;
        const int error = errno;
        if (fd >= 0) ::close(fd);
        if (!synced) {
            for (AtomicFileWriter* writer : writers)
                if (writer->target_.parent_path() == folder) writer->Fail(error);
        }
    }
#else
    for (AtomicFileWriter* writer : writers) {
        errno = 0;
        if (writer->ok() && !SyncPath(writer->temp_)) writer->Fail(errno);
    }
#endif
    for (AtomicFileWriter* writer : writers)
        if (!writer->ok()) return writer->error_;

    for (AtomicFileWriter* writer : writers)
        if (std::string problem = writer->Publish(false); !problem.empty()) return problem;
    for (const fs::path& folder : folders)
        SyncFolder(folder);
    return {};
}

std::string WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.Write(bytes);
    return writer.Commit();
}

std::string FinishUpdateInPlace(const fs::path& given) {
    // Under another letter case on Windows the file, and its .BAK, keep their own spelling.
    const fs::path path = StoredSpelling(given);
    fs::path bak = path;
    bak += ".BAK";
    bak = StoredSpelling(bak);
    fs::path temp = given;
    temp += ".TEMP";
    std::string problems;
    auto report = [&problems](const std::string& what) {
        if (!problems.empty()) problems += " ";
        problems += what;
    };

    // The backup is built under a fresh name and renamed over the old .BAK, so the old
    // backup is replaced whole and the file itself never loses its name.
    std::error_code ec;
    bool backedUp = false;
    const bool fileExists = fs::exists(path, ec);
    if (fileExists) {
        fs::path staged;
        for (unsigned attempt = 0; attempt < 100 && !backedUp; ++attempt) {
            staged = TemporarySibling(bak, attempt);
            if (fs::exists(staged, ec)) continue;
            fs::create_hard_link(path, staged, ec);
            if (ec) {
                // A copy holds data of its own, which must reach the disk before it counts.
                fs::copy_file(path, staged, ec);
                if (!ec && !SyncPath(staged))
                    ec = std::error_code(errno ? errno : EIO, std::generic_category());
            }
            if (!ec) ec = RenameReplacing(staged, bak);
            if (ec) {
                std::error_code ignored;
                fs::remove(staged, ignored);
                break;
            }
            backedUp = true;
        }
        if (!backedUp)
            report("Cannot make the backup " + Utf8FromPath(bak) + ": " +
                   (ec ? ec.message() : std::string("no free temporary name")) + ".");
    }

    // Without a backup the old version would be lost, so the new one then stays in .TEMP.
    if (fileExists && !backedUp) {
        report("The new version stays in " + Utf8FromPath(temp) + ".");
        return problems;
    }
    // The backup's name is on the disk before the file's name moves to the new version.
    SyncFolder(path.parent_path());
    ec = RenameReplacing(temp, path);
    if (ec)
        report("Cannot rename " + Utf8FromPath(temp) + " to " + Utf8FromPath(path) + ": " +
               ec.message() + ".");
    else
        SyncFolder(path.parent_path());
    return problems;
}

} // namespace quillon
