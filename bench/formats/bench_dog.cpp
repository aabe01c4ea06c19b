// Opening the game's largest dialogue file and writing it back with every message translated.
// Skipped when the game is not installed (Debian's flight-of-the-amazon-queen; QUILLON_GAME
// names another copy).
#include "../InstalledGame.h"
#include "formats/DogFormat.h"
#include "res/ResourceFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace quillon;

// The bytes of the largest .DOG entry of the game; empty when the game cannot be read.
const std::string& LargestDog() {
    static const std::string bytes = [] {
        std::string largest;
        if (!std::filesystem::exists(InstalledGame())) return largest;
        ResourceInput input(InstalledGame());
        const ResourceTableResult table = ReadResourceTable(input, "queen.1c");
        if (!table.ok()) return largest;
        for (const ResourceEntry& entry : table.table.entries) {
            std::string data;
            if (entry.name.ends_with(".DOG") && entry.size > largest.size() &&
                input.ReadInto(entry.offset, entry.size, data))
                largest = std::move(data);
        }
        return largest;
    }();
    return bytes;
}

bool HaveGame(benchmark::State& state) {
    if (!LargestDog().empty()) return true;
    state.SkipWithError(
        ("the game's dialogue files cannot be read from " + InstalledGame().string()).c_str());
    return false;
}

void BM_OpenLargestDog(benchmark::State& state) {
    if (!HaveGame(state)) return;
    for (auto _ : state) {
        ReadResult read = TheDogFormat().Read(LargestDog(), "LARGEST.DOG");
        read.document.ValidateAll();
        benchmark::DoNotOptimize(read.document.Count());
    }
    state.counters["bytes"] = static_cast<double>(LargestDog().size());
}
BENCHMARK(BM_OpenLargestDog)->Unit(benchmark::kMicrosecond);

// Every message one word longer, so every string after the first moves.
void BM_WriteLargestDog(benchmark::State& state) {
    if (!HaveGame(state)) return;
    ReadResult read = TheDogFormat().Read(LargestDog(), "LARGEST.DOG");
    for (int row = 1; row <= read.document.Count(); ++row) {
        Message& message = read.document.At(row);
        message.edited = message.locked ? message.original : "Pues " + message.original;
    }
    for (auto _ : state) {
        Document document = read.document;
        benchmark::DoNotOptimize(TheDogFormat().CheckWritable(document));
        TheDogFormat().FitForWriting(document);
        const WriteResult built = TheDogFormat().Write(document, LargestDog());
        benchmark::DoNotOptimize(built.bytes.data());
    }
    state.counters["rows"] = static_cast<double>(read.document.Count());
}
BENCHMARK(BM_WriteLargestDog)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
