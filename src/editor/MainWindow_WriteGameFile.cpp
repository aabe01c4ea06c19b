// Creating a new .CUT file or updating the open one: the invalid-messages report, the save
// dialog, the replace and update questions, the writer, and what Yes does for each question.
#include "editor/MainWindow.h"

#include "base/FileIO.h"
#include "base/Utf8Path.h"
#include "document/TextFormat.h"
#include "formats/Formats.h"

#include <algorithm>
#include <cctype>

namespace quillon {

namespace {

constexpr const char* kCrLf = "\r\n";

// The name part of a path, after its last separator.
// How much the report window grows so that a long list stays readable; from 111 on the
// list no longer fits however tall the window is, so it keeps its designed size.
int ReportGrowth(double invalidCount) {
    if (invalidCount <= 15 || invalidCount >= 111) return 0;
    if (invalidCount <= 27) return 120;
    if (invalidCount <= 39) return 300;
    if (invalidCount <= 51) return 480;
    if (invalidCount <= 63) return 660;
    if (invalidCount <= 75) return 840;
    if (invalidCount <= 87) return 1020;
    if (invalidCount <= 99) return 1200;
    return 1380;
}

// Turns the last ", " of the list into " and " and ends it with a full stop, for last
// numbers of one or two digits; longer ones are left as the tooltip gives them.
std::string JoinLastTwo(std::string t) {
    const std::size_t n = t.size();
    if (n >= 3 && t[n - 3] == ',') return t.substr(0, n - 3) + " and " + t.substr(n - 1) + ".";
    if (n >= 4 && t[n - 4] == ',') return t.substr(0, n - 4) + " and " + t.substr(n - 2) + ".";
    return t;
}

std::string OrdinalReport(const std::string& number) {
    if (number == "1") return "The 1st message is invalid.";
    if (number == "2") return "The 2nd message is invalid.";
    if (number == "3") return "The 3rd message is invalid.";
    return "The " + number + "th message is invalid.";
}

} // namespace

void MainWindow::OnWriteFileClicked() {
    if (Ended) return;
    if (Doc.format == nullptr) return; // no file is open
    // Messages the format cannot hold are refused before any question or dialog.
    std::string problem = Doc.format->CheckWritable(Doc);
    if (!problem.empty()) {
        ShowMessage(problem, kAppTitle);
        return;
    }
    if (State.InvalidCount != 0) {
        State.PendingQuestion = Question::WriteDespiteInvalidMessages;
        ConfirmInvalidMessages();
    } else {
        AskWhereToWriteFile();
    }
}

void MainWindow::KeepQuestionOnTop() {
    if (!Confirm) {
        Confirm = std::make_unique<QuestionWindow>(*this);
        Confirm->Prepare();
    }
    Confirm->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
    Confirm->Window.Visible = true;
}

void MainWindow::ConfirmInvalidMessages() {
    if (Doc.format == nullptr) return;
    KeepQuestionOnTop();
    Confirm->OpenQuestion();

    const int count = State.InvalidCount;
    const std::string list = Doc.InvalidList();
    std::string text;
    double labelTop = 0;
    if (count != 1) {
        const int growth = ReportGrowth(count);
        Confirm->Window.Height += growth;
        Confirm->btnYes.Top += growth;
        Confirm->btnNo.Top += growth;
        labelTop = 120;
        text =
            JoinLastTwo("There are " + std::to_string(count) + " invalid messages:" + kCrLf + list);
    } else {
        labelTop = 240;
        text = OrdinalReport(list);
    }
    text += kCrLf;
    text += "Are you sure you want to create the ." + std::string(KindWord(*Doc.format)) + " file?";
    Confirm->SetQuestion(labelTop, text);
}

void MainWindow::AskWhereToWriteFile() {
    if (Ended || Doc.format == nullptr) return;
    Focus.SetFocus(NewMessageBox);

    SharedFileDialog.DialogTitle = "Create new Flight of the Amazon Queen " +
                                   std::string(Doc.format->KindName()) + " (." +
                                   std::string(KindWord(*Doc.format)) + ")";
    SharedFileDialog.InitDir = DialogStartFolder(true);
    SharedFileDialog.FileName = State.FileName;
    SharedFileDialog.Filter = GameFilesDialogFilter();
    if (!SharedFileDialog.ShowSave()) return;

    std::string chosen = SharedFileDialog.FileName;
    RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // The open file typed in another letter case is the open file. Working on its own
    // spelling from here on keeps the .TEMP file and the renames on one file on systems
    // whose file names keep their letter case.
    const std::string openPath = State.FileFolder + State.FileName;
    const bool isOpenFile = EqualIgnoringCase(chosen, openPath);
    if (isOpenFile && chosen != openPath) {
        chosen = openPath;
        SharedFileDialog.FileName = chosen;
    }

    // An existing file is never deleted ahead of the write: the writer replaces it in one
    // step once the new file is complete, so a failed write leaves it as it was.
    const std::optional<std::int64_t> length = platform.FileLength(chosen);
    if (!length || *length == 0) {
        State.TargetPath = chosen;
        WriteGameFile();
        return;
    }
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        if (isOpenFile) {
            State.PendingQuestion = Question::UpdateInPlace;
            ConfirmUpdateFile();
        } else {
            State.PendingQuestion = Question::ReplaceGameFile;
            ConfirmReplaceFile();
        }
        return;
    }
    State.TargetPath = isOpenFile ? chosen + ".TEMP" : chosen;
    WriteGameFile();
}

void MainWindow::ConfirmUpdateFile() {
    KeepQuestionOnTop();
    Confirm->OpenQuestion();
    Confirm->SetQuestion(420, "Do you want to update " + NameOf(SharedFileDialog.FileName) + "?");
}

void MainWindow::ConfirmReplaceFile() {
    KeepQuestionOnTop();
    Confirm->OpenQuestion();
    Confirm->SetQuestion(240, "File " + NameOf(SharedFileDialog.FileName) + " already exists." +
                                  kCrLf + "Do you want to replace it?");
}

void MainWindow::WriteGameFile() {
    if (Ended) return;
    const std::string sourcePath = State.FileFolder + State.FileName;
    // After an update in place the originals are no longer what the file holds: the bytes
    // they were read from are kept for every later write.
    FileReadResult source;
    if (originalBytes_)
        source.bytes = *originalBytes_;
    else
        source = ReadWholeFile(PathFromUtf8(sourcePath));
    if (!source.error.empty()) {
        ShowMessage(source.error, kAppTitle);
        return;
    }
    if (Doc.format == nullptr) return;
    // Named now: the update in place reopens the file, which replaces the document.
    const std::string kind(KindWord(*Doc.format));
    std::string problem = Doc.format->CheckWritable(Doc);
    if (!problem.empty()) {
        ShowMessage(problem, kAppTitle);
        return;
    }

    // Fit a copy: the messages take the padding only once the file is really written.
    Document fitted = Doc;
    Doc.format->FitForWriting(fitted);
    WriteResult built = Doc.format->Write(fitted, source.bytes);
    if (!built.error.empty()) {
        ShowMessage(built.error, kAppTitle);
        return;
    }
    std::string writeError = WriteFileAtomically(PathFromUtf8(State.TargetPath), built.bytes);
    if (!writeError.empty()) {
        ShowMessage(writeError, kAppTitle);
        return;
    }
    Doc = std::move(fitted);

    if (State.TargetPath == SharedFileDialog.FileName + ".TEMP") {
        // The new file is already complete on disk, and whichever step fails leaves either
        // the old or the new file under the name; the reopened file shows which.
        const std::string problem = FinishUpdateInPlace(PathFromUtf8(sourcePath));
        // The file now holds the translation; the window keeps the originals beside it (the
        // .BAK holds them on disk), and writes again from them.
        originalBytes_ = std::move(source.bytes);
        ShowCurrentMessage();
        OnNewMessageEdited();
        if (problem.empty())
            ShowMessage(kind + " file is updated!");
        else
            ShowMessage(problem, kAppTitle);
    } else {
        ShowMessage(kind + " file is created!");
    }
}

void MainWindow::OnQuestionAnsweredYes() {
    if (Ended) return;
    switch (State.PendingQuestion) {
    case Question::WriteDespiteInvalidMessages:
        AskWhereToWriteFile();
        break;
    case Question::ReplaceWithOriginalMessages:
        Work.Write(TmfContent::OriginalMessages);
        break;
    case Question::ReplaceWithNewMessages:
        Work.Write(TmfContent::NewMessages);
        break;
    case Question::ReplaceGameFile:
        State.TargetPath = SharedFileDialog.FileName;
        WriteGameFile();
        break;
    case Question::CloseFile:
        Settings.Save();
        CloseAndAskForFile();
        break;
    case Question::UpdateInPlace:
        State.TargetPath = SharedFileDialog.FileName + ".TEMP";
        WriteGameFile();
        break;
    case Question::OpenPreviousFile:
        OpenNeighbour(ReachedBy::PreviousFile);
        break;
    case Question::OpenNextFile:
        OpenNeighbour(ReachedBy::NextFile);
        break;
    case Question::OpenProjectFile:
        Tools.OpenProjectFile();
        break;
    case Question::LoadWorkFile:
        Work.LoadChosenWork();
        break;
    case Question::Exit:
        Settings.Save();
        Help.reset();
        Window.Visible = false;
        EndProgram();
        break;
    case Question::None:
        break;
    }
}

} // namespace quillon
