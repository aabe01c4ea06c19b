// The game's letters and the player's view over the real game: 1 MB of UTF-8 text turned into
// the font's bytes, the largest work file of the game as UTF-8 and back, and every message of
// QUEEN2.JAS and of the largest .DOG laid out as the game shows it. The game's files are read
// from its resource file; those cases are skipped when the game is not installed (Debian's
// flight-of-the-amazon-queen; QUILLON_GAME names another copy).
#include "../InstalledGame.h"
#include "document/Layout.h"
#include "formats/Formats.h"
#include "res/ResourceFile.h"
#include "text/GameFont.h"
#include "work/Tmf.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace quillon;

// Every game text file of the resource file, by name; empty when the game cannot be read.
const std::map<std::string, std::string>& GameTextFiles() {
    static const std::map<std::string, std::string> files = [] {
        std::map<std::string, std::string> all;
        if (!std::filesystem::exists(InstalledGame())) return all;
        ResourceInput input(InstalledGame());
        const ResourceTableResult table = ReadResourceTable(input, "queen.1c");
        if (!table.ok()) return all;
        for (const ResourceEntry& entry : table.table.entries) {
            std::string data;
            if (entry.InThisFile() && IsGameTextFile(entry.name) &&
                input.ReadInto(entry.offset, entry.size, data))
                all[entry.name] = std::move(data);
        }
        return all;
    }();
    return files;
}

struct GameFile {
    std::string name;
    Document document;
};

GameFile Read(const std::string& name) {
    const auto found = GameTextFiles().find(name);
    if (found == GameTextFiles().end()) return {};
    ReadResult read = ReadGameBytes(found->second, name, name);
    if (!read.ok()) return {};
    return {name, std::move(read.document)};
}

// The game text file whose work file of original messages is the largest, with that file.
struct LargestWorkFile {
    std::string name;
    std::string tmf;
};
const LargestWorkFile& Largest() {
    static const LargestWorkFile largest = [] {
        LargestWorkFile best;
        for (const auto& [name, bytes] : GameTextFiles()) {
            const GameFile file = Read(name);
            const TmfBuildResult tmf = BuildTmf(name, file.document, TmfContent::OriginalMessages);
            if (tmf.error.empty() && tmf.bytes.size() > best.tmf.size()) best = {name, tmf.bytes};
        }
        return best;
    }();
    return largest;
}

// The .DOG file with the most bytes.
const GameFile& LargestDog() {
    static const GameFile dog = [] {
        std::string name;
        std::size_t size = 0;
        for (const auto& [n, bytes] : GameTextFiles())
            if (n.ends_with(".DOG") && bytes.size() > size) name = n, size = bytes.size();
        return Read(name);
    }();
    return dog;
}

const GameFile& Jas() {
    static const GameFile jas = Read("QUEEN2.JAS");
    return jas;
}

bool HaveGame(benchmark::State& state) {
    if (!Largest().tmf.empty() && Jas().document.Count() > 0 && LargestDog().document.Count() > 0)
        return true;
    state.SkipWithError(
        ("the game's text files cannot be read from " + InstalledGame().string()).c_str());
    return false;
}

// About 1 MB of French, Spanish and German with typographic quotes and dashes.
std::string MegabyteOfText() {
    const std::string sentence = "Où est la clé du coffre ? “Señor Pérez” a dit… – Grüße, "
                                 "l’œuvre de Frank est là, près de l’hôtel. ¡Ándale! ";
    std::string text;
    while (text.size() < (1 << 20))
        text += sentence;
    return text;
}

void BM_Utf8ToGameBytes1MB(benchmark::State& state) {
    const std::string text = MegabyteOfText();
    for (auto _ : state) {
        const Utf8ToGameResult bytes = Utf8ToGameBytes(GameFont::Regular, text, true);
        benchmark::DoNotOptimize(bytes.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Utf8ToGameBytes1MB)->Unit(benchmark::kMillisecond);

void BM_GameBytesToUtf8_1MB(benchmark::State& state) {
    const std::string bytes = Utf8ToGameBytes(GameFont::Regular, MegabyteOfText(), true).bytes;
    for (auto _ : state) {
        const std::string text = GameBytesToUtf8(GameFont::Regular, bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_GameBytesToUtf8_1MB)->Unit(benchmark::kMillisecond);

void BM_TmfAsUtf8Largest(benchmark::State& state) {
    if (!HaveGame(state)) return;
    for (auto _ : state) {
        const std::string text = TmfAsUtf8(Largest().tmf, GameFont::Regular);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetLabel(Largest().name);
    state.counters["bytes"] = static_cast<double>(Largest().tmf.size());
}
BENCHMARK(BM_TmfAsUtf8Largest)->Unit(benchmark::kMicrosecond);

void BM_TmfInGameLettersLargest(benchmark::State& state) {
    if (!HaveGame(state)) return;
    const std::string utf8 = TmfAsUtf8(Largest().tmf, GameFont::Regular);
    for (auto _ : state) {
        const TmfLettersResult back = TmfInGameLetters(utf8, GameFont::Regular, true, "W.tmf");
        if (!back.error.empty() || back.bytes != Largest().tmf) {
            state.SkipWithError("the work file does not come back");
            break;
        }
        benchmark::DoNotOptimize(back.bytes.data());
    }
    state.SetLabel(Largest().name);
    state.counters["bytes"] = static_cast<double>(utf8.size());
}
BENCHMARK(BM_TmfInGameLettersLargest)->Unit(benchmark::kMicrosecond);

// Every row of a file laid out, as the editor does when it lists the rows with warnings.
void LayOutAll(benchmark::State& state, const GameFile& file) {
    if (!HaveGame(state)) return;
    const Document& document = file.document;
    int warned = 0;
    for (auto _ : state) {
        warned = 0;
        for (int row = 1; row <= document.Count(); ++row) {
            const PlayerView view = PlayerViewOf(*document.format, document, row, 'E');
            warned += view.warnings.empty() ? 0 : 1;
            benchmark::DoNotOptimize(view.lines.data());
        }
    }
    state.SetLabel(file.name);
    state.counters["rows"] = static_cast<double>(document.Count());
    state.counters["warned"] = warned;
}

void BM_LayOutJas(benchmark::State& state) {
    LayOutAll(state, Jas());
}
BENCHMARK(BM_LayOutJas)->Unit(benchmark::kMicrosecond);

void BM_LayOutLargestDog(benchmark::State& state) {
    LayOutAll(state, LargestDog());
}
BENCHMARK(BM_LayOutLargestDog)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
