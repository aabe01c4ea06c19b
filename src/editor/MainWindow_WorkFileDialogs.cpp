// Saving the new or original messages to a .TMF the user chooses, and loading one back.
#include "editor/MainWindow.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "project/MessageTally.h"
#include "work/Tmf.h"

#include <algorithm>
#include <cctype>

namespace quillon {

namespace {

// The shared dialog set up for a .TMF: C12.CUT offers C12, and no default extension is
// added, so the name is used as typed.
void PrepareTmfDialog(MainWindow& form, const std::string& title) {
    SharedDialog& dialog = form.SharedFileDialog;
    dialog.DialogTitle = title;
    dialog.InitDir = form.DialogStartFolder(false);
    const std::string& cutName = form.State.FileName;
    const bool endsInCut =
        cutName.size() >= 4 && EqualIgnoringCase(cutName.substr(cutName.size() - 4), ".CUT");
    dialog.FileName = endsInCut ? cutName.substr(0, cutName.size() - 4) : "";
    dialog.Filter = "Temporary Messages Files (*.TMF)|*.tmf|Text files (*.TXT)|*.txt|"
                    "All files (*.*)|*.*";
}

} // namespace

void MainWindow::OnSaveWorkFileClicked(TmfContent content) {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    PrepareTmfDialog(*this, "Save Temporary Messages File (.TMF)");
    if (!SharedFileDialog.ShowSave()) return;

    const std::string chosen = SharedFileDialog.FileName;
    RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // An existing file is not deleted first: writing replaces it, and a write that fails
    // then leaves the earlier file in place. An empty one is replaced without a question.
    const std::optional<std::int64_t> length = platform.FileLength(chosen);
    if (length && *length > 0 && CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = content == TmfContent::OriginalMessages
                                    ? Question::ReplaceWithOriginalMessages
                                    : Question::ReplaceWithNewMessages;
        ConfirmReplaceFile();
        return;
    }
    WriteWorkFile(content);
}

void MainWindow::OnLoadWorkFileClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    PrepareTmfDialog(*this, "open Temporary Messages File (.TMF)");
    if (!SharedFileDialog.ShowOpen()) return;

    const std::string chosen = SharedFileDialog.FileName;
    RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // A file that cannot be read is passed over in silence, as a cancel would be.
    FileReadResult file = ReadWholeFile(PathFromUtf8(chosen));
    if (!file.error.empty()) return;
    TmfParseResult tmf = ParseTmf(file.bytes, chosen);
    if (!tmf.error.empty()) {
        ShowMessage(tmf.error, kAppTitle);
        return;
    }
    // Case matters: a file saved for c12.cut is not taken for C12.CUT.
    if (tmf.headerName != State.FileName) {
        ShowMessage("This file is for " + tmf.headerName + ".", kAppTitle);
        return;
    }
    std::vector<std::string> before;
    before.reserve(static_cast<std::size_t>(Doc.Count()));
    for (const Message& message : Doc.Messages())
        before.push_back(message.edited);
    ApplyTmfLines(Doc, tmf.lines);
    // Loaded work that changes a message is a change of the work, and the backup follows.
    for (int row = 1; row <= Doc.Count() && !State.WorkChanged; ++row)
        State.WorkChanged = Doc.At(row).edited != before[static_cast<std::size_t>(row - 1)];
    // Every loaded message is checked now, not when it is shown: a broken one far from the
    // shown one is counted at once.
    Doc.ValidateAll();
    NoteReplacedMessages(before);
    ShowCurrentMessage();
    OnNewMessageEdited();
}

} // namespace quillon
