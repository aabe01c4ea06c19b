// The game's real resource file (54 MB): packing it with one cutscene replaced, next to copying
// it with cp in the same run, and unpacking its 301 cutscenes. Skipped when the game is not
// installed (Debian's flight-of-the-amazon-queen; QUILLON_GAME names another copy).
#include "../InstalledGame.h"
#include "base/FileIO.h"
#include "formats/CutFormat.h"
#include "res/Pack.h"
#include "res/Unpack.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

#include <unistd.h>

namespace {

using namespace quillon;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A scratch folder on the same disk as the temporary files, removed when the benchmark ends.
struct Scratch {
    fs::path dir =
        fs::temp_directory_path() / ("quillon-bench-res-" + std::to_string(std::random_device{}()));
    Scratch() { fs::create_directories(dir); }
    ~Scratch() { fs::remove_all(dir); }
};

bool HaveGame(benchmark::State& state) {
    if (fs::exists(InstalledGame())) return true;
    state.SkipWithError(("the game is not installed: " + InstalledGame().string()).c_str());
    return false;
}

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// The intro cutscene with its first message made longer, so every entry after it moves.
bool WriteTranslatedIntro(const fs::path& dir) {
    const UnpackResult unpacked = Unpack(InstalledGame(), dir / "all", {});
    if (!unpacked.error.empty()) return false;
    const std::string source = ReadWholeFile(dir / "all" / "CDINT.CUT").bytes;
    ReadResult read = TheCutFormat().Read(source, "CDINT.CUT");
    Document& document = read.document;
    for (int row = 1; row <= document.Count(); ++row) {
        std::string text = document.At(row).original;
        if (row == 1) text = "Bueno, King...*00*01" + text;
        document.At(row).edited = text;
    }
    TheCutFormat().FitForWriting(document);
    const WriteResult built = TheCutFormat().Write(document, source);
    fs::create_directories(dir / "one");
    return built.error.empty() &&
           WriteFileAtomically(dir / "one" / "CDINT.CUT", built.bytes).empty();
}

// Each iteration packs once and copies once with cp, both to fresh names on the same disk;
// the time is the pack's, and "pack/cp" compares the two within this run.
void BM_PackOneCutsceneVersusCp(benchmark::State& state) {
    if (!HaveGame(state)) return;
    Scratch scratch;
    if (!WriteTranslatedIntro(scratch.dir)) {
        state.SkipWithError("the intro could not be prepared");
        return;
    }
    const fs::path packed = scratch.dir / "packed.1c", copied = scratch.dir / "copied.1c";
    const std::string cp = "cp '" + InstalledGame().string() + "' '" + copied.string() + "'";
    double packTime = 0, cpTime = 0;
    for (auto _ : state) {
        fs::remove(packed);
        fs::remove(copied);
        Clock::time_point start = Clock::now();
        const PackResult result = Pack(InstalledGame(), scratch.dir / "one", packed);
        const double pack = Seconds(start);
        start = Clock::now();
        const int status = std::system(cp.c_str());
        cpTime += Seconds(start);
        packTime += pack;
        state.SetIterationTime(pack);
        if (!result.error.empty() || result.replaced != 1 || status != 0) {
            state.SkipWithError(("pack or cp failed: " + result.error).c_str());
            return;
        }
    }
    state.counters["cp_ms"] = benchmark::Counter(cpTime * 1000 / state.iterations());
    state.counters["pack/cp"] = packTime / cpTime;
    state.SetBytesProcessed(
        static_cast<int64_t>(state.iterations() * fs::file_size(InstalledGame())));
}
BENCHMARK(BM_PackOneCutsceneVersusCp)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3);

// The same copy done in this process, in 1 MiB pieces, without and with waiting for the disk:
// the floor under the pack, which also waits for the disk before the new file takes its name.
void BM_CopyInProcess(benchmark::State& state) {
    if (!HaveGame(state)) return;
    Scratch scratch;
    const bool sync = state.range(0) != 0;
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        const fs::path target = scratch.dir / "copy.1c";
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
        std::FILE* in = std::fopen(InstalledGame().c_str(), "rb");
        std::FILE* out = std::fopen(target.c_str(), "wb");
        std::size_t got = 0;
        while (in && out && (got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0)
            std::fwrite(buffer.data(), 1, got, out);
        if (in) std::fclose(in);
        if (out && sync) {
            std::fflush(out);
            ::fsync(::fileno(out));
        }
        if (out) std::fclose(out);
    }
    state.SetBytesProcessed(
        static_cast<int64_t>(state.iterations() * fs::file_size(InstalledGame())));
}
BENCHMARK(BM_CopyInProcess)
    ->ArgName("fsync")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Every .CUT entry into a fresh folder.
void BM_UnpackCutscenes(benchmark::State& state) {
    if (!HaveGame(state)) return;
    Scratch scratch;
    int round = 0;
    for (auto _ : state) {
        const UnpackResult result =
            Unpack(InstalledGame(), scratch.dir / std::to_string(round++), {});
        if (!result.error.empty() || result.written.size() != 301) {
            state.SkipWithError(("unpack failed: " + result.error).c_str());
            return;
        }
    }
}
BENCHMARK(BM_UnpackCutscenes)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
