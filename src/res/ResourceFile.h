// The game's resource file with an embedded table ("QTBL"): its table, checked so that no entry
// can make a reader or writer go outside the file or outside the folder it was given.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Layout: "QTBL", a 6-byte version ("CEM10" and a NUL), 2 reserved bytes, 1 byte for the speech
// compression, a big-endian 16-bit entry count, then the entries. Numbers are big-endian.
// Whatever reads or writes the table places its fields with these, never with numbers of its own.
inline constexpr std::string_view kResourceMagic = "QTBL";
inline constexpr std::size_t kResourceVersionAt = 4;
inline constexpr std::size_t kResourceVersionSize = 6;
inline constexpr std::size_t kResourceCountAt = 13;
inline constexpr std::size_t kResourceCountSize = 2;
inline constexpr std::size_t kResourceHeaderSize = kResourceCountAt + kResourceCountSize;
// Each entry: a 12-byte name padded with NULs, 1 byte bundle, 4 bytes offset, 4 bytes size.
inline constexpr std::size_t kResourceNameSize = 12;
inline constexpr std::size_t kEntryBundleAt = 12;
inline constexpr std::size_t kEntryOffsetAt = 13;
inline constexpr std::size_t kEntrySizeAt = 17;
inline constexpr std::size_t kEntryNumberSize = 4; // the offset and the size each
inline constexpr std::size_t kResourceEntrySize = kEntrySizeAt + kEntryNumberSize;
inline constexpr int kThisBundle = 1; // bundle 1 is the file itself
static_assert(kResourceHeaderSize == 15 && kResourceEntrySize == 21);

// Where entry index starts in the file; a table of count entries ends where entry count would
// start.
constexpr std::size_t ResourceEntryAt(std::size_t index) {
    return kResourceHeaderSize + index * kResourceEntrySize;
}

struct ResourceEntry {
    std::string name;         // up to the first NUL of the 12-byte field
    int bundle = 0;           // 1 = this file; others name files this one does not hold
    std::uint64_t offset = 0; // from the start of the file
    std::uint64_t size = 0;
    bool InThisFile() const { return bundle == kThisBundle; }
};

struct ResourceTable {
    std::string tableBytes;             // the header and every entry exactly as in the file
    std::vector<ResourceEntry> entries; // in table order (sorted by name in a released file)
    std::uint64_t fileSize = 0;
    std::uint64_t TableEnd() const { return tableBytes.size(); }
    std::string Version() const; // "CEM10": C = CD with speech, E = English
    // The entry of this name regardless of letter case, or -1.
    int Find(std::string_view name) const;
};

struct ResourceTableResult {
    std::string error; // one line naming the file; empty when ok
    ResourceTable table;
    bool ok() const { return error.empty(); }
};

// Checks a table. head holds the file's first bytes (at least the table), fileSize is the size
// of the whole file. Refused: a file without the "QTBL" header, a table that runs past the end
// of the file, an entry of this file whose data run past the end or into the table, two entries
// whose data overlap, a name that is not a plain file name, two names that differ only in
// letter case.
ResourceTableResult ParseResourceTable(std::string_view head, std::uint64_t fileSize,
                                       const std::string& displayName);

// Empty when name can be a file's name on every system Quillon runs on: 1 to 12 bytes of
// printable ASCII without / \ : * ? " < > |, not "." or "..", no "..", no final dot, not a
// name Windows keeps for a device (CON, NUL, COM1, ...). Otherwise what is wrong with it.
std::string PlainNameProblem(std::string_view name);

// A name or a file's name shown inside a one-line message: bytes outside printable ASCII
// become \xNN.
std::string ShownName(std::string_view name);

// A file read piece by piece at given offsets, never whole.
class ResourceInput {
public:
    explicit ResourceInput(const std::filesystem::path& path);
    ~ResourceInput();
    ResourceInput(const ResourceInput&) = delete;
    ResourceInput& operator=(const ResourceInput&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    std::uint64_t Size() const { return size_; }

    // Hands [offset, offset + size) to sink in pieces of at most 1 MiB. False (error set) when
    // the range goes past the end or a read fails.
    template <typename Sink> bool ReadRange(std::uint64_t offset, std::uint64_t size, Sink&& sink);
    bool ReadInto(std::uint64_t offset, std::uint64_t size, std::string& out);
    void Close();

private:
    bool Seek(std::uint64_t offset);
    std::size_t ReadPiece(std::uint64_t left);

    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
    std::string error_;
    std::vector<char> buffer_;
};

// The entries kept in this file, in the order their data lie (by offset; empty entries first
// at a shared offset).
std::vector<std::size_t> FileOrder(const ResourceTable& table);

// Opens a file and checks its table; input stays open for reading the entries.
ResourceTableResult ReadResourceTable(ResourceInput& input, const std::string& displayName);
ResourceTableResult ReadResourceTable(const std::filesystem::path& path);

template <typename Sink>
bool ResourceInput::ReadRange(std::uint64_t offset, std::uint64_t size, Sink&& sink) {
    if (!ok() || !Seek(offset)) return false;
    while (size > 0) {
        const std::size_t got = ReadPiece(size);
        if (got == 0) return false;
        sink(std::string_view(buffer_.data(), got));
        size -= got;
    }
    return true;
}

} // namespace quillon
