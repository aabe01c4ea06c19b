// The work files of the open file: a .TMF the user saves or loads, and the automatic backup
// of the new messages with its number and the unfinished backups of earlier runs.
#pragma once

#include "work/Tmf.h"

#include <string>

namespace quillon {

class MainWindow;

class WorkFiles {
public:
    explicit WorkFiles(MainWindow& window);
    WorkFiles(const WorkFiles&) = delete;
    WorkFiles& operator=(const WorkFiles&) = delete;

    void OnSaveClicked(TmfContent content);
    void OnLoadClicked();
    // Puts in the work file chosen by "Load text file" once the user has agreed to it
    // replacing typed messages.
    void LoadChosenWork();
    // Puts the newest work on the open file (its newest backup or work-folder file, the one
    // the project window names) into its new messages; the next backup continues it. Gives
    // the notice that says where the work came from, empty when there was none.
    std::string BringBackNewestWork();
    // Writes the .TMF named in the shared file dialog.
    void Write(TmfContent content);
    // The automatic backup of the new messages, written on every change of the work.
    void WriteAutoBackup();
    // Tells the user about unfinished backups of the file being opened, each once a run.
    void TellLeftoverBackups();

private:
    // The backup's name, chosen at the first change of the work; false when none is free.
    bool TakeBackupNumber();
    MainWindow& window_;
    TmfParseResult chosenWork_; // read by "Load text file", waiting for the user's answer
    std::string lettersNote_;   // how its letters were read, said once it is loaded
};

} // namespace quillon
