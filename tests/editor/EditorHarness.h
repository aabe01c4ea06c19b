// The editor on a FakePlatform, driven by the few moves a user makes: open a file through the
// dialog, go to a message, type, press a key, answer a question.
#pragma once

#include "FakePlatform.h"
#include "editor/MainWindow.h"
#include "support/CutImage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quillon::testing {

using quillon::test::CutBytes;
using quillon::test::TmfBytes;

// Several captions joined by " | ", so one expectation states a whole panel.
inline std::string Captions(std::initializer_list<const Label*> labels) {
    std::string joined;
    for (const Label* label : labels)
        joined += (joined.empty() ? "" : " | ") + label->Caption();
    return joined;
}

struct Editor {
    FakePlatform platform;
    MainWindow form{platform};
    MainWindow& f = form;         // the short name most tests use
    std::vector<double> progress; // every value the progress bar took

    // The program folder's own name may be given (UTF-8).
    explicit Editor(const std::string& programFolder = "program") : platform(programFolder) {
        form.ProgressChanged = [this](double v) { progress.push_back(v); };
    }
    std::string CutDir() const {
        return Utf8FromPath(platform.programFolder / "CUT") + kPathSeparator;
    }
    std::string BackupDir() const {
        return Utf8FromPath(platform.programFolder / "Backup") + kPathSeparator;
    }
    // Writes a file into the CUT folder and gives its full path.
    std::string Put(const std::string& name, const std::string& bytes) {
        WriteBytes(CutDir() + name, bytes);
        return CutDir() + name;
    }
    // Starts the editor on a file, or opens another one after a close.
    void Open(const std::string& path) { Dialog(path), form.Start(); }
    // The next file dialog answered with path, then the button that opens it: a .TMF loaded,
    // the work saved as one, a .CUT written.
    void Load(const std::string& path) { Dialog(path), form.Work.OnLoadClicked(); }
    void Save(TmfContent content, const std::string& path) {
        Dialog(path), form.Work.OnSaveClicked(content);
    }
    void Create(const std::string& path) { Dialog(path), form.OnWriteFileClicked(); }
    void Dialog(const std::string& path) { platform.fileDialogAnswers.push_back(path); }
    void Raw() { form.CheckHideControlCharacters.SetValue(0); }
    void Go(int message) { form.MessageSlider.Value = message, form.MessageSlider.Scroll(); }
    void Type(const std::string& text) { form.NewMessageBox.SetText(text); }
    void Type(int message, const std::string& text) { Go(message), Type(text); }
    void Press(quillon::Key key, int shift = 0) {
        int code = KeyCodeOf(key);
        form.OnNewBoxKeyDown(code, shift);
    }
    const std::string& New(int row) const { return form.Doc.At(row).edited; }
    const std::string& Original(int row) const { return form.Doc.At(row).original; }
    std::string Bad(int row) const { return form.Doc.At(row).invalid ? "1" : "0"; }
    std::string Backup(const std::string& name = "C12_1.tmf") const {
        return ReadBytes(BackupDir() + name);
    }
    void Answer(bool yes) {
        ASSERT_NE(form.Confirm, nullptr) << "no question is open";
        yes ? form.Confirm->OnYesClicked() : form.Confirm->OnNoClicked();
    }
    std::string Question() const {
        return form.Confirm ? form.Confirm->QuestionLabel.Caption() : "";
    }
    std::string LastMessage() const {
        return platform.messageBoxes.empty() ? "" : platform.messageBoxes.back().text;
    }
    // The bad and blank counters with their lists and colours, then the save and create
    // buttons: "1 [2] red | 0 [] blue | save -".
    std::string Counters() const {
        std::string shown;
        for (const Label* l : {&form.InvalidCountLabel, &form.BlankCountLabel}) {
            const std::string colour = l->ForeColor == kRed        ? "red"
                                       : l->ForeColor == kBlue     ? "blue"
                                       : l->ForeColor == kDarkBlue ? "dark blue"
                                                                   : std::to_string(l->ForeColor);
            shown += l->Caption() + " [" + l->ToolTipText + "] " + colour + " | ";
        }
        return shown + (form.btnSaveNewMessages.Enabled ? "save" : "-") +
               (form.btnWriteFile.Enabled ? " create" : " -");
    }
    // Every message box shown so far, "title: text" one to a line.
    std::string Boxes() const {
        std::string all;
        for (const MessageBoxCall& box : platform.messageBoxes)
            all += box.title + ": " + box.text + "\n";
        return all;
    }
};

// The file flows type control codes as they are stored, so the codes are shown from the start.
struct RawEditor : ::testing::Test, Editor {
    RawEditor() { platform.settings.values["Hide control characters"] = "0"; }
};

} // namespace quillon::testing
