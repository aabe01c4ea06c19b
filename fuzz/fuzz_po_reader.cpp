// Feeds arbitrary bytes to the gettext catalogue reader, through a file as po import reads
// one. Whatever libgettextpo makes of the bytes, the reader must come back (no exit, no
// abort) with either entries or a one-line error naming the file.
#include "po/PoFile.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

using namespace quillon;

namespace {

const std::filesystem::path& Scratch() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("fuzz_po_reader-" + std::to_string(getpid()) + ".po");
    return path;
}

bool Write(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(Scratch().c_str(), "wb");
    if (file == nullptr) return false;
    const bool whole = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole;
}

struct RemoveAtExit {
    ~RemoveAtExit() {
        std::error_code ec;
        std::filesystem::remove(Scratch(), ec);
    }
} gRemove;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(Write(data, size), "the scratch file can be written");
    const PoReadResult read = ReadPoFile(Scratch());
    const std::string name = Scratch().string();
    if (!read.error.empty()) {
        Check(read.error.find('\n') == std::string::npos, "the error is one line");
        Check(read.error.find(name) == 0, "the error names the file");
        Check(read.entries.empty(), "a refused catalogue gives no entries");
        return 0;
    }
    for (const PoEntry& entry : read.entries)
        Check(!entry.id.empty() || !entry.context.empty(), "the header is left out");
    return 0;
}
