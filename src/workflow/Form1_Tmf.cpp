// Writing a temporary messages file: the one the user chose, or the automatic backup.
#include "workflow/Form1.h"

#include "cut/FileIO.h"
#include "tmf/Tmf.h"

namespace quillon {

void Form1::CreateTMF(int Index) {
    if (Ended) return;
    const bool backup = Index == 3;
    const std::string path = backup ? platform.ProgramFolder() + kPathSeparator + "Backup" +
                                          kPathSeparator + State.BackupFileName
                                    : CommonDialog1.FileName;

    // The whole file is built first and replaces the old one in one step, so a failed
    // write never leaves half a file and never touches the table.
    TmfBuildResult built = BuildTmf(State.CutFileName, Table, Index);
    std::string error;
    if (path.empty())
        error = "No file name was chosen for the Temporary Messages File.";
    else if (!built.error.empty())
        error = "Cannot save " + path + ": " + built.error;
    else
        error = WriteFileAtomically(path, built.bytes);

    // A backup that cannot be written (its folder gone or read-only) must not interrupt
    // the typing; the next edit tries again.
    if (backup) return;
    if (error.empty())
        MsgBox("Tempory Messages File is saved!");
    else
        MsgBox(error, kAppTitle);
}

} // namespace quillon
