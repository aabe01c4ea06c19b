// Writing a temporary messages file: the one the user chose, or the automatic backup.
#include "workflow/Form1.h"

#include "cut/FileIO.h"
#include "tmf/Tmf.h"
#include "workflow/AutoBackup.h"

namespace quillon {

void Form1::CreateTMF(int Index) {
    if (Ended) return;
    // An opening whose work has not changed yet has nothing to back up.
    if (Index == 3 && !State.WorkChanged) return;
    TmfBuildResult built = BuildTmf(State.CutFileName, Table, Index);

    // A backup that cannot be written (its folder gone or read-only) must not interrupt the
    // typing or touch the table; the next edit tries again.
    if (Index == 3) {
        if (built.error.empty() && TakeBackupNumber())
            ReplaceBackupFile(platform.ProgramFolder() + kPathSeparator + "Backup" +
                                  kPathSeparator + State.BackupFileName,
                              built.bytes);
        return;
    }

    const std::string& path = CommonDialog1.FileName;
    std::string error;
    if (path.empty())
        error = "No file name was chosen for the Temporary Messages File.";
    else if (!built.error.empty())
        error = "Cannot save " + path + ": " + built.error;
    else
        error = WriteFileAtomically(path, built.bytes);
    if (error.empty())
        MsgBox("Tempory Messages File is saved!");
    else
        MsgBox(error, kAppTitle);
}

} // namespace quillon
