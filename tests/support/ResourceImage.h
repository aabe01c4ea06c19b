// Hand-built resource files with an embedded table: entries in the order given, data anywhere.
#pragma once

#include "res/ResourceFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::test {

struct ResEntry {
    std::string name;
    std::string data;
    int bundle = 1; // another bundle's entry gets offset 0 and its size, with no data here
};

struct ResParts {
    std::vector<std::size_t> dataOrder = {}; // entry indexes in file order; default: last first
    std::vector<std::string> gaps = {};      // bytes before each piece of data, in file order
    std::string trailer = "";                // bytes after the last piece of data
};

inline void PutBig(std::string& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * (width - 1 - i))) & 0xFF);
}

// Rewrites entry index's offset and size in an image (for tables that lie).
inline void SetEntry(std::string& image, std::size_t index, std::uint64_t offset,
                     std::uint64_t size) {
    PutBig(image, ResourceEntryAt(index) + kEntryOffsetAt, offset, kEntryNumberSize);
    PutBig(image, ResourceEntryAt(index) + kEntrySizeAt, size, kEntryNumberSize);
}

inline std::string ResourceBytes(const std::vector<ResEntry>& entries, const ResParts& at = {}) {
    std::string image = std::string(kResourceMagic) + std::string("CEM10\0\0\0\x01", 9) + "..";
    PutBig(image, kResourceCountAt, entries.size(), kResourceCountSize);
    for (const ResEntry& e : entries) {
        std::string raw = e.name.substr(0, kResourceNameSize);
        raw.resize(kResourceEntrySize, '\0');
        raw[kEntryBundleAt] = static_cast<char>(e.bundle);
        image += raw;
    }
    std::vector<std::size_t> order = at.dataOrder;
    if (order.empty())
        for (std::size_t k = entries.size(); k > 0; --k)
            order.push_back(k - 1);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const ResEntry& e = entries[order[k]];
        if (k < at.gaps.size()) image += at.gaps[k];
        SetEntry(image, order[k], e.bundle == kThisBundle ? image.size() : 0, e.data.size());
        if (e.bundle == kThisBundle) image += e.data;
    }
    return image + at.trailer;
}

} // namespace quillon::test
