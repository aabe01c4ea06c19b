// Writing a temporary messages file: the one the user chose, or the automatic backup.
#include "editor/MainWindow.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "editor/AutoBackup.h"

namespace quillon {

void MainWindow::WriteAutoBackup() {
    // An opening whose work has not changed yet has nothing to back up.
    if (Ended || !State.WorkChanged) return;
    const TmfBuildResult built = BuildTmf(State.FileName, Doc, TmfContent::NewMessages);
    // A backup that cannot be written (its folder gone or read-only) must not interrupt the
    // typing or touch the messages; the next edit tries again.
    if (built.error.empty() && TakeBackupNumber())
        ReplaceBackupFile(platform.ProgramFolder() + kPathSeparator + "Backup" + kPathSeparator +
                              State.BackupFileName,
                          built.bytes);
}

void MainWindow::WriteWorkFile(TmfContent content) {
    if (Ended) return;
    const TmfBuildResult built = BuildTmf(State.FileName, Doc, content);
    const std::string& path = SharedFileDialog.FileName;
    std::string error;
    if (path.empty())
        error = "No file name was chosen for the Temporary Messages File.";
    else if (!built.error.empty())
        error = "Cannot save " + path + ": " + built.error;
    else
        error = WriteFileAtomically(PathFromUtf8(path), built.bytes);
    if (error.empty())
        ShowMessage("Tempory Messages File is saved!");
    else
        ShowMessage(error, kAppTitle);
}

} // namespace quillon
