// The whole game as a gettext catalogue: po export (every text file of the resource file read,
// its entries made and the catalogue written through libgettextpo), and po import of that
// catalogue with every entry translated (read back, checked and put into the documents).
// Skipped when the game is not installed (Debian's flight-of-the-amazon-queen; QUILLON_GAME
// names another copy).
#include "../InstalledGame.h"
#include "po/Catalogue.h"
#include "po/GameTexts.h"
#include "po/Import.h"
#include "po/PoFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace quillon;
namespace fs = std::filesystem;

const std::string kHeader = "MIME-Version: 1.0\n"
                            "Content-Type: text/plain; charset=UTF-8\n"
                            "Content-Transfer-Encoding: 8bit\n"
                            "X-Game-Language: E\n";

bool HaveGame(benchmark::State& state) {
    if (fs::exists(InstalledGame())) return true;
    state.SkipWithError(("the game is not installed: " + InstalledGame().string()).c_str());
    return false;
}

std::vector<CatalogueEntry> EntriesOfGame(const std::vector<GameText>& files) {
    std::vector<CatalogueEntry> entries;
    for (const GameText& file : files)
        for (CatalogueEntry& entry : EntriesOf(file, GameFont::Regular, false))
            entries.push_back(std::move(entry));
    return entries;
}

// po export as quillon-cli runs it, from the resource file to the catalogue's bytes.
void BM_PoExportGame(benchmark::State& state) {
    if (!HaveGame(state)) return;
    std::size_t entries = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const GameTextsResult game = ReadGameTexts(InstalledGame());
        const std::vector<CatalogueEntry> all = EntriesOfGame(game.files);
        const PoWriteResult po = BuildPoFile(kHeader, true, all);
        if (!game.error.empty() || !po.error.empty()) {
            state.SkipWithError((game.error + po.error).c_str());
            break;
        }
        entries = all.size();
        bytes = po.bytes.size();
    }
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PoExportGame)->Unit(benchmark::kMillisecond);

// The catalogue alone: entries made and written, the game already read.
void BM_PoWriteCatalogue(benchmark::State& state) {
    if (!HaveGame(state)) return;
    const GameTextsResult game = ReadGameTexts(InstalledGame());
    for (auto _ : state) {
        const PoWriteResult po = BuildPoFile(kHeader, true, EntriesOfGame(game.files));
        benchmark::DoNotOptimize(po.bytes.data());
    }
}
BENCHMARK(BM_PoWriteCatalogue)->Unit(benchmark::kMillisecond);

// po import of a catalogue with every entry translated (its original, a word longer).
void BM_PoImportGame(benchmark::State& state) {
    if (!HaveGame(state)) return;
    const GameTextsResult game = ReadGameTexts(InstalledGame());
    std::vector<CatalogueEntry> entries = EntriesOfGame(game.files);
    for (CatalogueEntry& entry : entries)
        entry.translation = "Bueno, " + entry.id;
    const PoWriteResult po = BuildPoFile(kHeader, false, entries);
    const fs::path file = fs::temp_directory_path() /
                          ("quillon-bench-po-" + std::to_string(std::random_device{}()) + ".po");
    std::ofstream(file, std::ios::binary) << po.bytes;
    int taken = 0;
    for (auto _ : state) {
        const PoReadResult read = ReadPoFile(file);
        std::vector<GameText> files = game.files;
        const ImportReport report = ImportCatalogue(files, read.entries, {});
        if (!read.error.empty()) {
            state.SkipWithError(read.error.c_str());
            break;
        }
        taken = report.taken;
    }
    std::error_code ec;
    fs::remove(file, ec);
    state.counters["entries"] = static_cast<double>(entries.size());
    state.counters["taken"] = taken;
}
BENCHMARK(BM_PoImportGame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
