// The automatic backup's number, taken at the first change of the work, and the unfinished
// backups of earlier runs, which are kept and pointed out.
#include "editor/MainWindow.h"

#include "editor/AutoBackup.h"
#include "work/Tmf.h"

namespace quillon {

namespace {

std::string BackupFolder(Platform& platform) {
    return platform.ProgramFolder() + kPathSeparator + "Backup";
}

} // namespace

bool MainWindow::TakeBackupNumber() {
    if (!State.BackupFileName.empty()) return true;
    const std::string folder = BackupFolder(platform);
    const int counter =
        FirstFreeBackupNumber(platform.ListDirectory(folder + kPathSeparator), State.FileName);
    if (counter == 0) {
        // The editing goes on; the user is told once for this opening, and every later
        // change looks again in case some numbers have been freed.
        if (!State.BackupRefused) {
            State.BackupRefused = true;
            ShowMessage("There are too many TMF files in the backup directory.\r\n"
                        "Please delete some of them for the automatic backup.\r\n"
                        "Until then the changes to " +
                            State.FileName + " are not backed up.",
                        kAppTitle);
        }
        return false;
    }
    State.BackupFileName = BackupFileName(State.FileName, counter);
    if (!platform.FolderExists(folder)) platform.CreateFolder(folder);
    return true;
}

void MainWindow::TellLeftoverBackups() {
    const std::string folder = BackupFolder(platform) + kPathSeparator;
    std::string named;
    for (const std::string& name : LeftoverBackups(platform.ListDirectory(folder), State.FileName))
        if (State.ToldLeftoverBackups.insert(folder + name).second) named += "\r\n" + folder + name;
    if (named.empty()) return;
    ShowMessage(
        "An automatic backup that was never finished was found:" + named +
            "\r\nIt may hold work that was not saved. It is kept as it is, and its number is "
            "not used for new backups.",
        kAppTitle);
}

} // namespace quillon
