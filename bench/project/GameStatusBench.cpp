// How long `quillon-cli status` takes over the real game: every text file the installed game
// holds (377: cutscenes, dialogues, QUEEN2.JAS, credits), each with a work file of its
// original messages. Skipped when the game is not installed.
#include "formats/Formats.h"
#include "project/FolderOverview.h"
#include "res/Unpack.h"
#include "work/Tmf.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace quillon;

const fs::path kGame = "/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c";

struct UnpackedGame {
    fs::path root = fs::temp_directory_path() /
                    ("quillon-status-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string error;
    UnpackedGame() {
        const UnpackResult unpacked = Unpack(kGame, root / "text", {});
        if (!unpacked.error.empty()) {
            error = unpacked.error;
            return;
        }
        fs::create_directories(root / "work");
        for (const std::string& name : unpacked.written) {
            const ReadResult read = ReadGameFile(root / "text" / name);
            const TmfBuildResult tmf = BuildTmf(name, read.document, TmfContent::OriginalMessages);
            if (!read.ok() || !tmf.error.empty()) {
                error = name + ": " + read.message + tmf.error;
                return;
            }
            std::ofstream(root / "work" / (name + ".tmf"), std::ios::binary) << tmf.bytes;
        }
    }
    ~UnpackedGame() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

void BM_StatusOfTheWholeGame(benchmark::State& state) {
    if (!fs::exists(kGame)) {
        state.SkipWithError("the game is not installed");
        return;
    }
    UnpackedGame game;
    if (!game.error.empty()) {
        state.SkipWithError(game.error.c_str());
        return;
    }
    const OverviewSources sources{game.root / "text", std::nullopt, game.root / "work"};
    FolderOverview overview;
    for (auto _ : state) {
        overview = BuildFolderOverview(sources);
        benchmark::DoNotOptimize(overview.files.data());
    }
    if (overview.files.size() != 377 || overview.total.blank != 0)
        state.SkipWithError("the game's folder was not read whole");
    state.counters["files"] = double(overview.files.size());
    state.counters["lines"] = overview.total.withText;
}
BENCHMARK(BM_StatusOfTheWholeGame)->Unit(benchmark::kMillisecond);

} // namespace
