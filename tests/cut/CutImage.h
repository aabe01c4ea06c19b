// Hand-built .CUT byte images: a bank header, a data header, a text block and a trailer.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillon::test {

struct CutImage {
    std::vector<std::string> entries;            // each written as its length byte and its bytes
    std::string beforeText = "\x01\x02\x03\x04"; // data between the offsets and the text block
    std::string afterText = "\xA0\xA1\xA2";      // the rest of the bank after the text block
    int flags = 4;                               // top four bits of the bank length
    std::optional<unsigned> endOffset;           // E; by default where the last entry ends

    unsigned StartOffset() const { return 12 + static_cast<unsigned>(beforeText.size()); }

    std::string Bytes() const {
        std::string block;
        for (const std::string& e : entries) {
            block += static_cast<char>(e.size());
            block += e;
        }
        const unsigned s = StartOffset();
        const unsigned e = endOffset.value_or(s + static_cast<unsigned>(block.size()));
        std::string out = "AmBk";
        out += std::string("\x00\x03\x00\x00", 4); // bank number 3, chip memory
        out += std::string(4, '\0');
        out += "Datas   ";
        out += "\x10\x11\x12\x13\x14\x15\x16\x17";
        out += static_cast<char>(s >> 8);
        out += static_cast<char>(s & 0xFF);
        out += static_cast<char>(e >> 8);
        out += static_cast<char>(e & 0xFF);
        out += beforeText + block + afterText;
        const unsigned long n = out.size() - 12;
        out[8] = static_cast<char>(flags * 16 + ((n >> 24) & 0x0F));
        out[9] = static_cast<char>((n >> 16) & 0xFF);
        out[10] = static_cast<char>((n >> 8) & 0xFF);
        out[11] = static_cast<char>(n & 0xFF);
        return out;
    }
};

} // namespace quillon::test
