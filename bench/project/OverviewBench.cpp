// How long the overview of a whole game folder takes: 301 .CUT files with the game's numbers
// of messages (1,711 in all), a work folder with a .TMF for most of them and three backups
// each for a third of them, as a translator's disk holds them some weeks in.
#include "project/FolderOverview.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace quillon;

// How many files of the game hold how many messages.
constexpr std::pair<int, int> kMessagesPerFile[] = {
    {0, 34}, {1, 48}, {2, 65}, {3, 27}, {4, 22}, {5, 20}, {6, 11}, {7, 11},
    {8, 8},  {9, 9},  {10, 1}, {11, 3}, {12, 4}, {13, 5}, {14, 3}, {15, 3},
    {16, 4}, {17, 3}, {18, 1}, {19, 3}, {20, 3}, {22, 1}, {26, 1}, {27, 1},
    {30, 3}, {32, 1}, {41, 2}, {43, 1}, {45, 1}, {56, 1}, {60, 1},
};

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// A bank like the game's: some data, an empty and a one-byte entry, the messages (each with
// a speaker code and a trailing code), and the rest of the bank after them.
std::string CutFile(int messages) {
    std::string block = std::string(1, '\0') + std::string(1, '\1') + "*";
    for (int m = 0; m < messages; ++m) {
        const std::string text = "*FRWell, that is message number " + std::to_string(m + 1) +
                                 " of this scene, I think.*15";
        block += static_cast<char>(text.size());
        block += text;
    }
    const std::string before(300, '\x11');
    const int S = 12 + static_cast<int>(before.size());
    const int E = S + static_cast<int>(block.size());
    std::string data(8, '\x10');
    for (int v : {S >> 8, S, E >> 8, E})
        data += static_cast<char>(v & 0xFF);
    data += before + block + std::string(400, '\x22');
    const std::size_t length = data.size() + 8;
    std::string bytes("AmBk\0\1\0\0", 8);
    for (int shift : {24, 16, 8, 0})
        bytes += static_cast<char>((length >> shift) & 0xFF);
    return bytes + "Datas   " + data;
}

std::string WorkFileFor(const std::string& cut, int messages, int translated) {
    std::string out = "Original CUT file: " + cut + "\r\n\r\n";
    for (int m = 1; m <= translated && m <= messages; ++m) {
        const std::string number = std::to_string(m);
        out += std::string(number.size() < 3 ? 3 - number.size() : 0, '0') + number;
        // Every seventh one forgets its trailing code.
        out += m % 7 == 0 ? " *FRBueno, este es el mensaje\r\n"
                          : " *FRBueno, este es el mensaje de la escena.*15\r\n";
    }
    return out;
}

struct GameFolder {
    fs::path root = fs::temp_directory_path() /
                    ("quillon-overview-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    int messages = 0;
    GameFolder() {
        for (const char* sub : {"CUT", "work", "Backup"})
            fs::create_directories(root / sub);
        int file = 0;
        for (const auto& [count, files] : kMessagesPerFile) {
            for (int i = 0; i < files; ++i, ++file) {
                const std::string name = "C" + std::to_string(100 + file) + ".CUT";
                Write(root / "CUT" / name, CutFile(count));
                messages += count;
                if (file % 5 != 4)
                    Write(root / "work" / ("C" + std::to_string(100 + file) + ".tmf"),
                          WorkFileFor(name, count, count - file % 3));
                if (file % 3 == 0)
                    for (int b = 1; b <= 3; ++b)
                        Write(root / "Backup" /
                                  ("C" + std::to_string(100 + file) + "_" + std::to_string(b) +
                                   ".tmf"),
                              WorkFileFor(name, count, count - b));
            }
        }
    }
    ~GameFolder() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

void BM_FolderOverview(benchmark::State& state) {
    GameFolder folder;
    const OverviewSources sources{folder.root / "CUT", folder.root / "Backup",
                                  folder.root / "work"};
    FolderOverview overview;
    for (auto _ : state) {
        overview = BuildFolderOverview(sources);
        benchmark::DoNotOptimize(overview.files.data());
    }
    if (overview.files.size() != 301 || overview.total.withText != folder.messages ||
        overview.total.withText != 1711 || overview.total.invalid == 0)
        state.SkipWithError("the folder was not read as built");
    state.counters["files"] = double(overview.files.size());
    state.counters["messages"] = overview.total.withText;
}
BENCHMARK(BM_FolderOverview)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
