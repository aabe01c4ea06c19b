// A dialogue file (.DOG) laid out from the file's description, for the tests: a tree of
// distinct filler, Joe's and the person's lines, the cutscene name and the second-visit pair.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace quillon::test {

using DogLines = std::vector<std::pair<int, std::string>>; // id and text

struct DogImage {
    int levels = 2; // tree bytes of distinct filler
    DogLines joe = {{0, "Hi.*02"}, {6, "Who are you?*03"}, {7, "0"}};
    DogLines person = {{1, "Nobody."}, {6, "I am Bob.*FL"}, {7, ""}};
    std::string cutscene = "C2.CUT";
    int gap = 3; // zero bytes between the cutscene name and the pair
    std::string greeting = "You again.", reply = "0";
    std::string tail = std::string(5, '\0');
};

inline void PutWord(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<char>((value >> 8) & 0xFF);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

// The file as the game lays it out: lines padded to 4 and the rest to 2, from the data start.
inline std::string Dog(const DogImage& image) {
    std::string data("\xFF\xFE\x00\x2A\x00\x2B....\x00\x03\x00\x04\xFF\xFB\x00\x00\x00\x00"
                     "\x00\x00......\x00\x00\x00\x02",
                     32);
    PutWord(data, 0, static_cast<unsigned>(-image.levels));
    PutWord(data, 6, static_cast<unsigned>(image.joe.size()));
    PutWord(data, 8, static_cast<unsigned>(image.person.size()));
    for (int i = 0; i < 96 * image.levels; ++i)
        data += static_cast<char>(i * 7 + 1);
    const auto text = [&data](const std::string& s, std::size_t align) {
        data += static_cast<char>(s.size()) + s;
        while (!s.empty() && data.size() % align != 0)
            data += '\0';
    };
    for (const DogLines* lines : {&image.joe, &image.person}) {
        if (lines == &image.person) PutWord(data, 22, static_cast<unsigned>(data.size()));
        for (const auto& [id, s] : *lines) {
            data += std::string(4, '\0');
            PutWord(data, data.size() - 2, static_cast<unsigned>(id));
            text(s, 4);
        }
    }
    PutWord(data, 24, static_cast<unsigned>(data.size()));
    data += std::string("\x00\x09\x00\x01", 4);
    text(image.cutscene, 2);
    data.append(static_cast<std::size_t>(image.gap), '\0');
    PutWord(data, 26, static_cast<unsigned>(data.size()));
    text(image.greeting, 2);
    text(image.reply, 2);
    data += image.tail;
    std::string bank("AmBk\x00\x0F\x00\x01\x80\x00\x00\x00", 12);
    bank[9] = static_cast<char>((data.size() + 8) >> 16);
    PutWord(bank, 10, static_cast<unsigned>(data.size() + 8));
    return bank + "Datas   " + data;
}

} // namespace quillon::test
