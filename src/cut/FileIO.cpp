// Whole-file reads, atomic writes and the backup-then-replace step of an update in place.
#include "cut/FileIO.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace quillon {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
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

// Opens a new file that did not exist before ("x": never reuse someone else's file).
std::FILE* CreateExclusive(const fs::path& target, fs::path& created, int& error) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        created = TemporarySibling(target, attempt);
        errno = 0;
        if (std::FILE* f = std::fopen(created.string().c_str(), "wbx")) return f;
        error = errno;
        if (error != EEXIST) return nullptr;
    }
    return nullptr;
}

} // namespace

FileReadResult ReadWholeFile(const fs::path& path) {
    FileReadResult result;
    const std::string name = path.string();
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
    std::FILE* f = std::fopen(name.c_str(), "rb");
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

std::string WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const std::string name = path.string();
    fs::path temp;
    int error = 0;
    std::FILE* f = CreateExclusive(path, temp, error);
    if (!f) return "Cannot write " + name + ": " + ErrnoText(error) + ".";

    // Every step is checked: a full disk often shows only at the flush or the close.
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = ok && std::fflush(f) == 0 && std::ferror(f) == 0;
    error = errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return "Cannot write " + name + ": " + ErrnoText(error ? error : EIO) + ".";
    }

    // A replaced file keeps its permissions.
    std::error_code ec;
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), ec);

    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return "Cannot write " + name + ": " + ec.message() + ".";
    }
    return {};
}

std::string FinishUpdateInPlace(const fs::path& path) {
    fs::path bak = path;
    bak += ".BAK";
    fs::path temp = path;
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
            if (ec) fs::copy_file(path, staged, ec);
            if (ec) break;
            fs::rename(staged, bak, ec);
            if (ec) {
                std::error_code ignored;
                fs::remove(staged, ignored);
                break;
            }
            backedUp = true;
        }
        if (!backedUp)
            report("Cannot make the backup " + bak.string() + ": " +
                   (ec ? ec.message() : std::string("no free temporary name")) + ".");
    }

    // Without a backup the old version would be lost, so the new one then stays in .TEMP.
    if (fileExists && !backedUp) {
        report("The new version stays in " + temp.string() + ".");
        return problems;
    }
    fs::rename(temp, path, ec);
    if (ec)
        report("Cannot rename " + temp.string() + " to " + path.string() + ": " + ec.message() +
               ".");
    return problems;
}

} // namespace quillon
