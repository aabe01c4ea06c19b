// How long one keystroke's edit step and opening a file take on a .CUT at the format's limit.
#include "editor/MainWindow.h"
#include "settings/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace quillon;

// Real files in a folder of its own; every dialog answers with the one file.
class BenchPlatform : public Platform {
public:
    BenchPlatform() {
        root = fs::temp_directory_path() /
               ("quillon-bench-" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(root / "CUT");
    }
    ~BenchPlatform() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    std::string answer;
    MemorySettingsStore settings;

    std::optional<std::string> ShowFileDialog(const FileDialogRequest&) override { return answer; }
    std::optional<std::uint32_t> ChooseColour() override { return std::nullopt; }
    FontChooserResult ChooseFont(const FontChoice&) override { return {}; }
    void ShowMessageBox(const MessageBoxCall&) override {}
    std::vector<std::string> ListDirectory(const std::string& dir) override {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec))
            if (entry.is_regular_file(ec)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::optional<std::int64_t> FileLength(const std::string& path) override {
        std::error_code ec;
        auto size = fs::file_size(path, ec);
        if (ec) return std::nullopt;
        return static_cast<std::int64_t>(size);
    }
    bool FolderExists(const std::string& path) override { return fs::is_directory(path); }
    bool CreateFolder(const std::string& path) override {
        std::error_code ec;
        return fs::create_directory(path, ec);
    }
    std::string ProgramFolder() override { return root.string(); }
    SettingsStore& Settings() override { return settings; }
    void Quit() override {}
    bool OpenUrl(const std::string&) override { return false; }
};

// Text start S = 12 and as many two-byte "a*" messages as fit below position 32767.
std::string LimitFile() {
    const int S = 12;
    const int count = (32767 - 20 - S) / 3;
    std::string block;
    for (int i = 0; i < count; ++i)
        block += "\x02"
                 "a*";
    const int E = S + static_cast<int>(block.size());
    std::string data(8, '\0');
    for (int v : {S, E}) {
        data += static_cast<char>(v >> 8);
        data += static_cast<char>(v & 0xFF);
    }
    data += block;
    const std::size_t length = data.size() + 8;
    std::string bytes = "AmBk";
    bytes += std::string("\0\1\0\0", 4);
    for (int shift : {24, 16, 8, 0})
        bytes += static_cast<char>(length >> shift);
    return bytes + "Datas   " + data;
}

std::string WriteLimitFile(BenchPlatform& platform) {
    const std::string path = (platform.root / "CUT" / "LIMIT.CUT").string();
    const std::string bytes = LimitFile();
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Every message translated, and every translation invalid: the heaviest counters and
// tooltips the window can have.
void BM_EditStepAllInvalid(benchmark::State& state) {
    BenchPlatform platform;
    platform.settings.values["Hide control characters"] = "0";
    platform.answer = WriteLimitFile(platform);
    MainWindow form(platform);
    form.Start();
    for (int row = 1; row <= form.Doc.Count(); ++row) {
        form.Doc.At(row).edited = "b*";
        form.Doc.At(row).invalid = true;
    }
    form.NewMessageBox.SetText("b*");
    if (form.InvalidCountLabel.Caption() != std::to_string(form.Doc.Count()))
        state.SkipWithError("the table is not all invalid");
    bool flip = false;
    for (auto _ : state) {
        form.NewMessageBox.SetText((flip = !flip) ? "c*" : "b*");
    }
    state.counters["messages"] = form.Doc.Count();
}
BENCHMARK(BM_EditStepAllInvalid)->Unit(benchmark::kMicrosecond);

void BM_OpenAndShowFirstMessage(benchmark::State& state) {
    BenchPlatform platform;
    const std::string path = WriteLimitFile(platform);
    platform.answer = path;
    MainWindow form(platform);
    form.Start();
    for (auto _ : state) {
        form.OpenFile(path);
    }
    if (form.Ended || form.OriginalNumberLabel.Caption() != "1")
        state.SkipWithError("the file did not open");
}
BENCHMARK(BM_OpenAndShowFirstMessage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
