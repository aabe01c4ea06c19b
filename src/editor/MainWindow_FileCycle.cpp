// Moving between the .CUT files of a folder and leaving the program, each saving the
// settings first and asking when "Confirm overwriting/closing files" is checked.
#include "editor/MainWindow.h"

namespace quillon {

namespace {

void AskToClose(MainWindow& form) {
    form.KeepQuestionOnTop();
    form.Confirm->OpenQuestion();
    form.Confirm->SetQuestion(360,
                              "Are you sure you want to close file " + form.State.FileName + "?");
}

} // namespace

void MainWindow::OnCloseFileClicked() {
    if (Ended) return;
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = Question::CloseFile;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    CloseAndAskForFile();
}

void MainWindow::OnNextFileClicked() {
    if (Ended) return;
    FindNextFile();
    if (State.NextFileName.empty()) return;
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = Question::OpenNextFile;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    State.Reached = ReachedBy::NextFile;
    OpenFile(State.FileFolder + State.NextFileName);
}

void MainWindow::OnPreviousFileClicked() {
    if (Ended) return;
    FindPreviousFile();
    if (State.PreviousFileName.empty()) return;
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = Question::OpenPreviousFile;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    State.Reached = ReachedBy::PreviousFile;
    OpenFile(State.FileFolder + State.PreviousFileName);
}

void MainWindow::OnExitClicked() {
    if (Ended) return;
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = Question::Exit;
        KeepQuestionOnTop();
        Confirm->OpenQuestion();
        Confirm->SetQuestion(360, "Are you sure you want to exit Quillon?");
        return;
    }
    SaveSettings();
    Help.reset();
    Window.Visible = false;
    EndProgram();
}

} // namespace quillon
