// Hand-built .CUT byte images: a bank header, a data header, a text block and a trailer.
#pragma once

#include <string>
#include <vector>

namespace quillon::test {

// S is 12 + before.size(); E is where the last entry ends unless end is given.
inline std::string MakeCut(const std::vector<std::string>& entries,
                           const std::string& before = "\x01\x02\x03\x04",
                           const std::string& after = "\xA0\xA1", int flags = 4, int end = -1) {
    std::string block;
    for (const std::string& e : entries)
        block += static_cast<char>(e.size()) + e;
    const unsigned s = 12 + static_cast<unsigned>(before.size());
    const unsigned e =
        end >= 0 ? static_cast<unsigned>(end) : s + static_cast<unsigned>(block.size());
    std::string out =
        std::string("AmBk\0\3\0\0\0\0\0\0Datas   ", 20) + "\x10\x11\x12\x13\x14\x15\x16\x17";
    for (unsigned v : {s >> 8, s & 0xFF, e >> 8, e & 0xFF})
        out += static_cast<char>(v);
    out += before + block + after;
    const std::size_t n = out.size() - 12;
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(8 + i)] = static_cast<char>((n >> (24 - 8 * i)) & 0xFF);
    out[8] = static_cast<char>(out[8] | flags << 4);
    return out;
}

} // namespace quillon::test
