// Small .CUT files built byte by byte, and an editor opened on them through the open dialog.
#pragma once

#include "FakePlatform.h"
#include "workflow/Form1.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace quillon::testing {

// An AMOS bank "Datas   " whose text block holds the given messages; S is the text start
// offset counted from byte 20, and tail is the bank data after the text block.
inline std::string CutBytes(const std::vector<std::string>& messages, int S = 12,
                            const std::string& tail = "TAIL") {
    std::string block;
    for (const auto& m : messages)
        block += static_cast<char>(m.size()) + m;
    const int E = S + static_cast<int>(block.size());
    auto be16 = [](int v) { return std::string{static_cast<char>(v >> 8), static_cast<char>(v)}; };
    std::string data = std::string(8, '\x11') + be16(S) + be16(E) +
                       std::string(static_cast<std::size_t>(std::max(S - 12, 0)), '\x22') + block +
                       tail;
    const std::size_t length = data.size() + 8; // the bank length counts from byte 12
    std::string bytes = "AmBk";
    bytes += std::string("\x00\x03\x00\x00", 4);
    for (int shift : {24, 16, 8, 0})
        bytes += static_cast<char>(length >> shift);
    return bytes + "Datas   " + data;
}

// Several captions joined by " | ", so one expectation states a whole panel.
inline std::string Captions(std::initializer_list<const Label*> labels) {
    std::string joined;
    for (const Label* label : labels)
        joined += (joined.empty() ? "" : " | ") + label->Caption();
    return joined;
}

struct Editor {
    FakePlatform platform;
    Form1 form{platform};
    std::vector<double> progress;

    Editor() {
        form.ProgressChanged = [this](double v) { progress.push_back(v); };
    }
    std::string cutFolder() const { return (platform.programFolder / "CUT").string(); }
    std::string backupFolder() const { return (platform.programFolder / "Backup").string(); }
    // Writes a file into the CUT folder and gives its full path.
    std::string Put(const std::string& name, const std::string& bytes) {
        std::string path = (platform.programFolder / "CUT" / name).string();
        WriteBytes(path, bytes);
        return path;
    }
    // Starts the editor and chooses the path in its open dialog.
    void Start(const std::string& path) {
        platform.fileDialogAnswers.push_back(path);
        form.Form_Load();
    }
    // Types a whole new text into the new-message box.
    void Type(const std::string& text) { form.TextMessageGR.SetText(text); }
    void Key(int code, int shift = 0) { form.TextMessageGR_KeyDown(code, shift); }
    void Raw() { form.CheckHideControlCharacters.SetValue(0); }
    void Go(int message) { form.Slider1.Value = message, form.Slider1.Scroll(); }
    const std::string& Cell(int row, int col) const { return form.Table.Cell(row, col); }
    std::string Backup(const std::string& name = "C12_1.tmf") const {
        return ReadBytes(fs::path(backupFolder()) / name);
    }
};

} // namespace quillon::testing
