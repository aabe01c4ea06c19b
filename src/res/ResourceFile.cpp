// The resource file's table: read, checked, and the input it is read from.
#include "res/ResourceFile.h"

#include "base/AsciiCase.h"
#include "base/FileIO.h"
#include "base/Utf8Path.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <system_error>

namespace quillon {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kPiece = 1 << 20;

std::uint64_t BigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (char c : bytes)
        value = value << 8 | static_cast<unsigned char>(c);
    return value;
}

// The entry count of a header that holds it.
std::uint64_t EntryCount(std::string_view head) {
    return BigEndian(head.substr(kResourceCountAt, kResourceCountSize));
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::string Entry(std::size_t index, const ResourceEntry& entry) {
    return "entry " + std::to_string(index + 1) + " (" + ShownName(entry.name) + ")";
}

// What a file without the header is, in the words of its first bytes.
std::string NoTable(std::string_view head, std::uint64_t fileSize, const std::string& name) {
    std::string found;
    if (fileSize == 0)
        found = "the file is empty";
    else if (head.starts_with("AmBk"))
        found = "it starts with \"AmBk\": it is a cutscene file (.CUT) itself";
    else
        found = "it starts with " + Hex(head.substr(0, kResourceMagic.size())) + " (\"" +
                ShownName(head.substr(0, kResourceMagic.size())) + "\")";
    return name + ": not a resource file with an embedded table (no \"QTBL\" header; " + found +
           "). The floppy and CD releases, the demos and the interview disc keep their table "
           "outside the file; only the freeware CD release (queen.1c) holds it.";
}

} // namespace

std::string ResourceTable::Version() const {
    const std::string_view field =
        std::string_view(tableBytes).substr(kResourceVersionAt, kResourceVersionSize);
    return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
}

int ResourceTable::Find(std::string_view name) const {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (EqualIgnoringCase(entries[i].name, name)) return static_cast<int>(i);
    return -1;
}

std::string ShownName(std::string_view name) {
    std::string out;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 32 && b < 127 && c != '\\')
            out += c;
        else if (c == '\\')
            out += "\\\\";
        else
            out += "\\x" + Hex(std::string_view(&c, 1));
    }
    return out;
}

std::string PlainNameProblem(std::string_view name) {
    if (name.empty()) return "the name is empty";
    if (name.size() > kResourceNameSize) return "the name is longer than 12 bytes";
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127) return "the name holds a control character";
        if (b > 127)
            return "the name holds a byte outside ASCII, which every system would spell "
                   "differently";
        if (c == ' ') return "the name holds a space";
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return std::string("the name holds '") + c + "', which a file name cannot hold";
    }
    if (name.find("..") != std::string_view::npos) return "the name holds \"..\"";
    if (name.back() == '.') return "the name ends in a dot";
    // Windows opens a device instead of a file for these names, whatever the extension.
    const std::string stem = UpperCase(name.substr(0, name.find('.')));
    static const std::array<std::string_view, 4> kDevices{"CON", "PRN", "AUX", "NUL"};
    const bool numbered = stem.size() == 4 &&
                          (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
                          stem[3] <= '9';
    if (numbered || std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end())
        return "Windows keeps the name " + stem + " for a device";
    return {};
}

ResourceTableResult ParseResourceTable(std::string_view head, std::uint64_t fileSize,
                                       const std::string& displayName) {
    ResourceTableResult result;
    auto refuse = [&](const std::string& what) {
        result.error = displayName + ": " + what;
        result.table = {};
        return result;
    };
    if (!head.starts_with(kResourceMagic) || fileSize < kResourceMagic.size()) {
        result.error = NoTable(head, fileSize, displayName);
        return result;
    }
    if (fileSize < kResourceHeaderSize || head.size() < kResourceHeaderSize)
        return refuse("the file ends inside the 15-byte header of its table.");
    const std::uint64_t count = EntryCount(head);
    const std::uint64_t tableEnd = ResourceEntryAt(count);
    if (tableEnd > fileSize || tableEnd > head.size())
        return refuse("the table of " + std::to_string(count) + " entries needs " +
                      std::to_string(tableEnd) + " bytes, but the file holds only " +
                      std::to_string(fileSize) + ".");

    ResourceTable& table = result.table;
    table.tableBytes = std::string(head.substr(0, tableEnd));
    table.fileSize = fileSize;
    table.entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view raw =
            std::string_view(table.tableBytes).substr(ResourceEntryAt(i), kResourceEntrySize);
        ResourceEntry entry;
        const std::string_view field = raw.substr(0, kResourceNameSize);
        entry.name = std::string(field.substr(0, std::min(field.find('\0'), field.size())));
        entry.bundle = static_cast<unsigned char>(raw[kEntryBundleAt]);
        entry.offset = BigEndian(raw.substr(kEntryOffsetAt, kEntryNumberSize));
        entry.size = BigEndian(raw.substr(kEntrySizeAt, kEntryNumberSize));
        if (std::string why = PlainNameProblem(entry.name); !why.empty())
            return refuse(Entry(i, entry) + " cannot be a file's name: " + why + ".");
        if (entry.InThisFile()) {
            if (entry.offset < tableEnd)
                return refuse(Entry(i, entry) + " starts at offset " +
                              std::to_string(entry.offset) + ", inside the table, which ends at " +
                              std::to_string(tableEnd) + ".");
            if (entry.offset + entry.size > fileSize)
                return refuse(Entry(i, entry) + " runs past the end of the file (offset " +
                              std::to_string(entry.offset) + ", size " +
                              std::to_string(entry.size) + ", file size " +
                              std::to_string(fileSize) + ").");
        }
        table.entries.push_back(std::move(entry));
    }

    // Names the same regardless of case would be one file on Windows and macOS, and pack
    // could not tell which entry a file replaces.
    std::map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const auto [at, fresh] = seen.emplace(UpperCase(table.entries[i].name), i);
        if (!fresh)
            return refuse(Entry(at->second, table.entries[at->second]) + " and " +
                          Entry(i, table.entries[i]) + " have the same name.");
    }

    // Data of this file in file order: each entry must start where the one before it ends or
    // later. Empty entries sort first at their offset, so only real overlaps are refused.
    const std::vector<std::size_t> order = FileOrder(table);
    for (std::size_t k = 1; k < order.size(); ++k) {
        const ResourceEntry& before = table.entries[order[k - 1]];
        const ResourceEntry& after = table.entries[order[k]];
        if (after.offset < before.offset + before.size)
            return refuse(Entry(order[k - 1], before) + " and " + Entry(order[k], after) +
                          " overlap (offsets " + std::to_string(before.offset) + " to " +
                          std::to_string(before.offset + before.size) + " and " +
                          std::to_string(after.offset) + " to " +
                          std::to_string(after.offset + after.size) + ").");
    }
    return result;
}

std::vector<std::size_t> FileOrder(const ResourceTable& table) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < table.entries.size(); ++i)
        if (table.entries[i].InThisFile()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const ResourceEntry &x = table.entries[a], &y = table.entries[b];
        return x.offset != y.offset ? x.offset < y.offset : x.size < y.size;
    });
    return order;
}

ResourceInput::ResourceInput(const fs::path& path) : path_(path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        error_ = Utf8FromPath(path) + ": the file does not exist.";
        return;
    }
    if (status.type() == fs::file_type::directory) {
        error_ = Utf8FromPath(path) + ": this is a folder, not a file.";
        return;
    }
    errno = 0;
    file_ = OpenPath(path, "rb");
    if (file_ == nullptr) {
        error_ = Utf8FromPath(path) + ": the file cannot be opened (" +
                 std::generic_category().message(errno) + ").";
        return;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        error_ = Utf8FromPath(path) + ": the file's size cannot be read (" + ec.message() + ").";
        Close();
        return;
    }
    size_ = size;
}

ResourceInput::~ResourceInput() {
    Close();
}

void ResourceInput::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

bool ResourceInput::Seek(std::uint64_t offset) {
    if (file_ == nullptr) {
        if (error_.empty()) error_ = Utf8FromPath(path_) + ": the file is closed.";
        return false;
    }
#ifdef _WIN32
    const bool moved = ::_fseeki64(file_, static_cast<long long>(offset), SEEK_SET) == 0;
#else
    const bool moved = ::fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
    if (!moved)
        error_ = Utf8FromPath(path_) + ": cannot go to offset " + std::to_string(offset) + " (" +
                 std::generic_category().message(errno) + ").";
    return moved;
}

std::size_t ResourceInput::ReadPiece(std::uint64_t left) {
    if (buffer_.empty()) buffer_.resize(kPiece);
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, kPiece));
    errno = 0;
    const std::size_t got = std::fread(buffer_.data(), 1, want, file_);
    if (got == 0) {
        error_ = Utf8FromPath(path_) + (std::ferror(file_) != 0
                                            ? ": the file cannot be read (" +
                                                  std::generic_category().message(errno) + ")."
                                            : ": the file ends early; it has changed since it was "
                                              "opened.");
    }
    return got;
}

bool ResourceInput::ReadInto(std::uint64_t offset, std::uint64_t size, std::string& out) {
    out.clear();
    return ReadRange(offset, size, [&out](std::string_view piece) { out += piece; });
}

ResourceTableResult ReadResourceTable(ResourceInput& input, const std::string& displayName) {
    ResourceTableResult result;
    if (!input.ok()) {
        result.error = input.error();
        return result;
    }
    std::string head;
    const std::uint64_t size = input.Size();
    if (!input.ReadInto(0, std::min<std::uint64_t>(size, kResourceHeaderSize), head)) {
        result.error = input.error();
        return result;
    }
    // The header gives the table's length; read it only when the file can hold it.
    if (head.size() == kResourceHeaderSize && head.starts_with(kResourceMagic)) {
        const std::uint64_t tableEnd = ResourceEntryAt(EntryCount(head));
        if (tableEnd <= size && !input.ReadInto(0, tableEnd, head)) {
            result.error = input.error();
            return result;
        }
    }
    return ParseResourceTable(head, size, displayName);
}

ResourceTableResult ReadResourceTable(const fs::path& path) {
    ResourceInput input(path);
    return ReadResourceTable(input, Utf8FromPath(path));
}

} // namespace quillon
