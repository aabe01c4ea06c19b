// Writing a temporary messages file: the one the user chose, or the automatic backup.
#include "editor/MainWindow.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "editor/AutoBackup.h"
#include "work/Tmf.h"

namespace quillon {

void MainWindow::WriteWorkFile(int Index) {
    if (Ended) return;
    // An opening whose work has not changed yet has nothing to back up.
    if (Index == 3 && !State.WorkChanged) return;
    TmfBuildResult built = BuildTmf(
        State.FileName, Doc, Index == 1 ? TmfContent::OriginalMessages : TmfContent::NewMessages);

    // A backup that cannot be written (its folder gone or read-only) must not interrupt the
    // typing or touch the table; the next edit tries again.
    if (Index == 3) {
        if (built.error.empty() && TakeBackupNumber())
            ReplaceBackupFile(platform.ProgramFolder() + kPathSeparator + "Backup" +
                                  kPathSeparator + State.BackupFileName,
                              built.bytes);
        return;
    }

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
