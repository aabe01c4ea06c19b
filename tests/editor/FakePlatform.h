// A scripted platform for driving the headless editor in tests: dialog answers are queued,
// message boxes and window calls are recorded, files are real files in a temporary folder.
#pragma once

#include "base/Utf8Path.h"
#include "editor/Platform.h"
#include "project/FolderOverview.h"
#include "support/Files.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillon::testing {

namespace fs = std::filesystem;

using test::Listing;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class FakePlatform : public Platform {
public:
    // The program folder is called folderName (UTF-8) inside a temporary folder.
    explicit FakePlatform(const std::string& folderName = "program")
        : programFolder(temp.path / PathFromUtf8(folderName)) {
        fs::create_directories(programFolder / "CUT");
    }

    TempDir temp;
    fs::path programFolder;

    // Answers taken in order; an empty queue (or nothing queued) is a cancel.
    std::deque<std::optional<std::string>> fileDialogAnswers;
    std::vector<FileDialogRequest> fileDialogs; // every request, in order
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::uint32_t>> colourAnswers;
    std::deque<FontChooserResult> fontAnswers;
    std::vector<FontChoice> fontRequests;
    std::vector<MessageBoxCall> messageBoxes;
    MemorySettingsStore settings;
    int quitCalls = 0;

    std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        return Next(fileDialogAnswers);
    }
    std::optional<std::uint32_t> ChooseColour() override { return Next(colourAnswers); }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return Next(folderAnswers);
    }
    FontChooserResult ChooseFont(const FontChoice& initial) override {
        fontRequests.push_back(initial);
        return Next(fontAnswers);
    }
    void ShowMessageBox(const MessageBoxCall& call) override { messageBoxes.push_back(call); }

    std::vector<std::string> ListDirectory(const std::string& dir) override {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(PathFromUtf8(dir), ec))
            if (entry.is_regular_file(ec)) names.push_back(Utf8FromPath(entry.path().filename()));
        std::sort(names.begin(), names.end(), ListedBefore);
        return names;
    }
    std::optional<std::int64_t> FileLength(const std::string& path) override {
        if (!fs::is_regular_file(PathFromUtf8(path), ec)) return std::nullopt;
        return static_cast<std::int64_t>(fs::file_size(PathFromUtf8(path), ec));
    }
    bool FolderExists(const std::string& path) override {
        return fs::is_directory(PathFromUtf8(path), ec);
    }
    bool CreateFolder(const std::string& path) override {
        return fs::create_directory(PathFromUtf8(path), ec);
    }
    std::string ProgramFolder() override { return Utf8FromPath(programFolder); }
    SettingsStore& Settings() override { return settings; }
    void Quit() override { ++quitCalls; }
    bool OpenUrl(const std::string&) override { return true; }

private:
    std::error_code ec; // the file calls report failure by their result alone
    template <class T> static T Next(std::deque<T>& answers) {
        if (answers.empty()) return T{};
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace quillon::testing
