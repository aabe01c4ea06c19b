// The editor's outside world with Qt: file, colour and font choosers, message boxes, the file
// system, the program folder, the settings in QSettings, links and ending the program.
#pragma once

#include "editor/Platform.h"
#include "ui/QSettingsStore.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QMessageBox;
class QWidget;

namespace quillon::ui {

// "Text (*.a)|*.a|All (*.*)|*.*" as Qt's "Text (*.a) (*.a);;..." name filters. With
// caseVariants each pattern with letters is also given in upper and lower case, since the
// files of the game are named in capitals and Qt's dialogs match case on case-sensitive disks.
QString QtNameFilters(const std::string& filter, bool caseVariants);

// The message box of a call, not yet shown.
std::unique_ptr<QMessageBox> MakeMessageBox(const MessageBoxCall& call, QWidget* parent);

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    std::optional<std::string> ShowFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> ChooseColour() override;
    FontChooserResult ChooseFont(const FontChoice& initial) override;
    void ShowMessageBox(const MessageBoxCall& call) override;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& startFolder) override;

    std::vector<std::string> ListDirectory(const std::string& dir) override;
    std::optional<std::int64_t> FileLength(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;

    std::string ProgramFolder() override;
    SettingsStore& Settings() override { return *settings_; }

    void Quit() override;
    bool OpenUrl(const std::string& url) override;

    // The first open dialog is answered with this path without showing anything, so that
    // the editor started with a file opens it directly.
    void SetPresetOpenAnswer(std::string path) { presetOpen_ = std::move(path); }
    bool QuitRequested() const { return quitRequested_; }
    // Dialogs are owned by this window (the main window once it exists).
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }
    // Runs run with its dialogs owned by parent instead: a window's own dialogs over it.
    void WithDialogParent(QWidget* parent, const std::function<void()>& run) {
        const QPointer<QWidget> previous = dialogParent_;
        dialogParent_ = parent;
        run();
        dialogParent_ = previous;
    }
    // Run before any dialog blocks, so the windows show the state the question is about.
    std::function<void()> BeforeDialog;

protected:
    // Shows the file dialog itself; the preset answer has been dealt with already.
    virtual std::optional<std::string> AskFile(const FileDialogRequest& request);
    QWidget* DialogParent() const;
    void PrepareDialog() {
        if (BeforeDialog) BeforeDialog();
    }

private:
    std::unique_ptr<QSettingsStore> settings_;
    std::optional<std::string> presetOpen_;
    std::optional<std::string> programFolder_;
    QPointer<QWidget> dialogParent_;
    bool quitRequested_ = false;
    QObject quitGuard_; // a posted quit dies with the platform
};

} // namespace quillon::ui
