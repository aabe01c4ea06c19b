// The work files of the open file: a .TMF the user chooses, saved or loaded; the automatic
// backup of the new messages; its number, taken at the first change of the work; and the
// unfinished backups of earlier runs, which are kept and pointed out.
#include "editor/WorkFiles.h"

#include "editor/MainWindow.h"
#include "formats/Formats.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "editor/AutoBackup.h"
#include "project/MessageTally.h"
#include "project/WorkFiles.h"
#include "settings/Settings.h"
#include "work/Tmf.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace quillon {

namespace {

// The shared dialog set up for a .TMF: C12.CUT offers C12 (a game file offers its name
// without its ending), and no default extension is added, so the name is used as typed.
void PrepareTmfDialog(MainWindow& form, const std::string& title) {
    SharedDialog& dialog = form.SharedFileDialog;
    dialog.DialogTitle = title;
    dialog.InitDir = form.DialogStartFolder(false);
    const std::string& gameName = form.State.FileName;
    const std::size_t dot = gameName.rfind('.');
    dialog.FileName =
        IsGameTextFile(gameName) && dot != std::string::npos ? gameName.substr(0, dot) : "";
    dialog.Filter = "Temporary Messages Files (*.TMF)|*.tmf|Text files (*.TXT)|*.txt|"
                    "All files (*.*)|*.*";
}

std::string BackupFolder(Platform& platform) {
    return platform.ProgramFolder() + kPathSeparator + "Backup";
}

} // namespace

WorkFiles::WorkFiles(MainWindow& window) : window_(window) {}

void WorkFiles::OnSaveClicked(TmfContent content) {
    if (window_.Ended) return;
    window_.Focus.SetFocus(window_.NewMessageBox);
    PrepareTmfDialog(window_, "Save Temporary Messages File (.TMF)");
    if (!window_.SharedFileDialog.ShowSave()) return;

    const std::string chosen = window_.SharedFileDialog.FileName;
    window_.RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // An existing file is not deleted first: writing replaces it, and a write that fails
    // then leaves the earlier file in place. An empty one is replaced without a question.
    const std::optional<std::int64_t> length = window_.platform.FileLength(chosen);
    if (length && *length > 0 && window_.CheckConfirmCloseOrReplace.Value() == 1) {
        window_.State.PendingQuestion = content == TmfContent::OriginalMessages
                                            ? Question::ReplaceWithOriginalMessages
                                            : Question::ReplaceWithNewMessages;
        window_.ConfirmReplaceFile();
        return;
    }
    Write(content);
}

void WorkFiles::OnLoadClicked() {
    if (window_.Ended) return;
    window_.Focus.SetFocus(window_.NewMessageBox);
    PrepareTmfDialog(window_, "open Temporary Messages File (.TMF)");
    if (!window_.SharedFileDialog.ShowOpen()) return;

    const std::string chosen = window_.SharedFileDialog.FileName;
    window_.RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // A file that cannot be read is passed over in silence, as a cancel would be.
    FileReadResult file = ReadWholeFile(PathFromUtf8(chosen));
    if (!file.error.empty()) return;
    // A work file written in UTF-8 by another editor is read through the game's letters.
    const TmfLettersResult letters = TmfInGameLetters(
        file.bytes, GameFontOfScript(window_.State.NewStyle.Script), false, NameOf(chosen));
    if (!letters.error.empty()) {
        window_.ShowMessage(letters.error, kAppTitle);
        return;
    }
    lettersNote_ = letters.note;
    TmfParseResult tmf = ParseTmf(letters.bytes, chosen);
    if (!tmf.error.empty()) {
        window_.ShowMessage(tmf.error, kAppTitle);
        return;
    }
    // Case matters: a file saved for c12.cut is not taken for C12.CUT.
    if (tmf.headerName != window_.State.FileName) {
        window_.ShowMessage("This file is for " + tmf.headerName + ".", kAppTitle);
        return;
    }
    chosenWork_ = std::move(tmf);
    // Typed messages the file would replace are asked about first.
    Document loaded = window_.Doc;
    ApplyTmfLines(loaded, chosenWork_.lines);
    std::string replaced;
    int replacedCount = 0;
    for (int row = 1; row <= loaded.Count(); ++row) {
        const std::string& typed = window_.Doc.At(row).edited;
        if (typed.empty() || typed == loaded.At(row).edited) continue;
        ++replacedCount;
        if (replacedCount <= 10) replaced += (replaced.empty() ? "" : ", ") + loaded.Label(row);
    }
    if (replacedCount > 10) replaced += ", ...";
    if (replacedCount > 0 && window_.CheckConfirmCloseOrReplace.Value() == 1) {
        window_.State.PendingQuestion = Question::LoadWorkFile;
        window_.KeepQuestionOnTop();
        window_.Confirm->OpenQuestion();
        window_.Confirm->SetQuestion(
            360, NameOf(chosen) + " replaces what is typed in " + std::to_string(replacedCount) +
                     (replacedCount == 1 ? " message (" : " messages (") + replaced + ")." +
                     std::string("\r\n") + "Do you want to load it?");
        return;
    }
    LoadChosenWork();
}

void WorkFiles::LoadChosenWork() {
    if (window_.Ended) return;
    // The work being replaced stays in its backup (written now if it is behind): the loaded
    // work starts a backup of its own.
    WriteAutoBackup();
    const bool replacedIsBackedUp =
        !window_.State.UnbackedWork && !window_.State.BackupFileName.empty();
    std::vector<std::string> before;
    before.reserve(static_cast<std::size_t>(window_.Doc.Count()));
    for (const Message& message : window_.Doc.Messages())
        before.push_back(message.edited);
    ApplyTmfLines(window_.Doc, chosenWork_.lines);
    // Loaded work that changes a message is a change of the work, and the backup follows.
    bool changed = false;
    for (int row = 1; row <= window_.Doc.Count() && !changed; ++row)
        changed = window_.Doc.At(row).edited != before[static_cast<std::size_t>(row - 1)];
    std::string keptIn;
    if (changed) {
        window_.State.WorkChanged = window_.State.UnbackedWork = true;
        if (replacedIsBackedUp) keptIn = std::exchange(window_.State.BackupFileName, {});
    }
    // Every loaded message is checked now, not when it is shown: a broken one far from the
    // shown one is counted at once.
    window_.Doc.ValidateAll();
    window_.Edits.NoteReplacedMessages(before);
    window_.ShowCurrentMessage();
    window_.OnNewMessageEdited();
    std::string notice = std::exchange(lettersNote_, {});
    if (changed && !keptIn.empty())
        notice += (notice.empty() ? "" : " ") +
                  std::string("The messages typed before are kept in ") +
                  BackupFolder(window_.platform) + kPathSeparator + keptIn + ".";
    if (!notice.empty()) window_.ShowNotice(notice);
}

std::string WorkFiles::BringBackNewestWork() {
    MainWindow& w = window_;
    WorkFileIndex index;
    index.AddBackupFolder(PathFromUtf8(BackupFolder(w.platform)));
    const std::optional<std::string> folder = w.platform.Settings().Read(settings::kWorkFolder);
    if (folder && !folder->empty()) index.AddWorkFolder(PathFromUtf8(*folder));
    const WorkFile work =
        index.NewestFor(w.State.FileName, GameFontOfScript(w.State.NewStyle.Script));
    if (work.source == WorkSource::None) return {};
    ApplyTmfLines(w.Doc, work.tmf.lines);
    w.Doc.ValidateAll();
    // Changes go on in the backup that was read, instead of a new one beside it.
    if (work.source == WorkSource::Backup)
        w.State.BackupFileName = Utf8FromPath(work.path.filename());
    return "Your work on " + w.State.FileName + " is back, from " + Utf8FromPath(work.path) + ".";
}

void WorkFiles::WriteAutoBackup() {
    // An opening whose work has not changed yet has nothing to back up.
    if (window_.Ended || !window_.State.WorkChanged) return;
    const TmfBuildResult built =
        BuildTmf(window_.State.FileName, window_.Doc, TmfContent::NewMessages);
    // A backup that cannot be written (its folder gone or read-only) must not interrupt the
    // typing or touch the messages; the next edit tries again.
    if (built.error.empty() && TakeBackupNumber() &&
        ReplaceBackupFile(BackupFolder(window_.platform) + kPathSeparator +
                              window_.State.BackupFileName,
                          built.bytes))
        window_.State.UnbackedWork = false;
}

void WorkFiles::Write(TmfContent content) {
    if (window_.Ended) return;
    const TmfBuildResult built = BuildTmf(window_.State.FileName, window_.Doc, content);
    const std::string& path = window_.SharedFileDialog.FileName;
    std::string error;
    if (path.empty())
        error = "No file name was chosen for the Temporary Messages File.";
    else if (!built.error.empty())
        error = "Cannot save " + path + ": " + built.error;
    else
        error = WriteFileAtomically(PathFromUtf8(path), built.bytes);
    if (error.empty() && content == TmfContent::NewMessages) window_.State.UnbackedWork = false;
    if (error.empty())
        window_.ShowMessage("Temporary Messages File is saved!");
    else
        window_.ShowMessage(error, kAppTitle);
}

bool WorkFiles::TakeBackupNumber() {
    if (!window_.State.BackupFileName.empty()) return true;
    const std::string folder = BackupFolder(window_.platform);
    const int counter = FirstFreeBackupNumber(
        window_.platform.ListDirectory(folder + kPathSeparator), window_.State.FileName);
    if (counter == 0) {
        // The editing goes on; the user is told once for this opening, and every later
        // change looks again in case some numbers have been freed.
        if (!window_.State.BackupRefused) {
            window_.State.BackupRefused = true;
            window_.ShowMessage("There are too many TMF files in the backup directory.\r\n"
                                "Please delete some of them for the automatic backup.\r\n"
                                "Until then the changes to " +
                                    window_.State.FileName + " are not backed up.",
                                kAppTitle);
        }
        return false;
    }
    window_.State.BackupFileName = BackupFileName(window_.State.FileName, counter);
    if (!window_.platform.FolderExists(folder)) window_.platform.CreateFolder(folder);
    return true;
}

void WorkFiles::TellLeftoverBackups() {
    const std::string folder = BackupFolder(window_.platform) + kPathSeparator;
    std::string named;
    for (const std::string& name :
         LeftoverBackups(window_.platform.ListDirectory(folder), window_.State.FileName))
        if (window_.State.ToldLeftoverBackups.insert(folder + name).second)
            named += "\r\n" + folder + name;
    if (named.empty()) return;
    window_.ShowMessage(
        "An automatic backup that was never finished was found:" + named +
            "\r\nIt may hold work that was not saved. It is kept as it is, and its number is "
            "not used for new backups.",
        kAppTitle);
}

} // namespace quillon
