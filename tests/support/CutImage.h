// Hand-built .CUT byte images (the bank header, a data header, the text block and what
// follows) and the work files that go with them.
#pragma once

#include <string>
#include <vector>

namespace quillon::test {

// Everything in a bank around its messages. S and E are counted from byte 20 (the first
// byte after "Datas   "); the text block starts at byte 20 + S.
struct CutParts {
    std::string before = "";   // bank data between the 12-byte data header and the block
    std::string tail = "TAIL"; // bank data after the block
    unsigned flags = 0;        // the bank flags, the top four bits of the length word
    int start = -1;            // S when >= 0 (even a wrong one); else 12 + before.size()
    int end = -1;              // E when >= 0 (even a wrong one); else where the last entry ends
};

inline std::string CutBytes(const std::vector<std::string>& messages, const CutParts& at = {}) {
    std::string block;
    for (const std::string& m : messages)
        block += static_cast<char>(m.size()) + m;
    const unsigned s = at.start >= 0 ? static_cast<unsigned>(at.start)
                                     : 12 + static_cast<unsigned>(at.before.size());
    const unsigned e = at.end >= 0 ? static_cast<unsigned>(at.end)
                                   : 12 + static_cast<unsigned>(at.before.size() + block.size());
    std::string data = "\x10\x11\x12\x13\x14\x15\x16\x17";
    for (unsigned v : {s >> 8, s, e >> 8, e})
        data += static_cast<char>(v & 0xFF);
    data += at.before + block + at.tail;
    const unsigned length = (at.flags << 28) | static_cast<unsigned>(data.size() + 8);
    std::string out("AmBk\0\3\0\0", 8);
    for (int shift : {24, 16, 8, 0})
        out += static_cast<char>((length >> shift) & 0xFF);
    return out + "Datas   " + data;
}

// A bank with text start S: S - 12 bytes of distinct filler data sit before the block, so a
// writer that drops or shifts them is caught.
inline std::string CutBytes(const std::vector<std::string>& messages, int S,
                            const std::string& tail = "TAIL") {
    CutParts at{.tail = tail, .start = S};
    for (int i = 12; i < S; ++i)
        at.before += static_cast<char>(0x11 * ((i - 12) % 15 + 1));
    return CutBytes(messages, at);
}

// A work file (.TMF) for the named cutscene file: the header, then the lines as given.
inline std::string TmfBytes(const std::string& cutName, const std::string& lines = "") {
    return "Original CUT file: " + cutName + "\r\n\r\n" + lines;
}

} // namespace quillon::test
