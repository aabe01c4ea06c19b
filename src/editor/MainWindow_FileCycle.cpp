// Moving between the game text files of a folder and leaving the program, each saving the
// settings first and asking when "Confirm overwriting/closing files" is checked and closing
// would lose typed work that no backup or work file holds.
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

bool MainWindow::AskBeforeClosing() const {
    return CheckConfirmCloseOrReplace.Value() == 1 && State.UnbackedWork;
}

void MainWindow::OnCloseFileClicked() {
    if (Ended) return;
    if (AskBeforeClosing()) {
        State.PendingQuestion = Question::CloseFile;
        AskToClose(*this);
        return;
    }
    Settings.Save();
    CloseAndAskForFile();
}

void MainWindow::OnNextFileClicked() {
    StepToNeighbour(ReachedBy::NextFile);
}

void MainWindow::OnPreviousFileClicked() {
    StepToNeighbour(ReachedBy::PreviousFile);
}

void MainWindow::StepToNeighbour(ReachedBy direction) {
    if (Ended) return;
    const bool next = direction == ReachedBy::NextFile;
    next ? FindNextFile() : FindPreviousFile();
    if ((next ? State.NextFileName : State.PreviousFileName).empty()) return;
    if (AskBeforeClosing()) {
        State.PendingQuestion = next ? Question::OpenNextFile : Question::OpenPreviousFile;
        AskToClose(*this);
        return;
    }
    OpenNeighbour(direction);
}

void MainWindow::OpenNeighbour(ReachedBy direction) {
    Settings.Save();
    State.Reached = direction;
    OpenFile(State.FileFolder +
             (direction == ReachedBy::NextFile ? State.NextFileName : State.PreviousFileName));
}

void MainWindow::OnExitClicked() {
    if (Ended) return;
    if (AskBeforeClosing()) {
        State.PendingQuestion = Question::Exit;
        KeepQuestionOnTop();
        Confirm->OpenQuestion();
        Confirm->SetQuestion(360, "Are you sure you want to exit Quillon?");
        return;
    }
    Settings.Save();
    Help.reset();
    Window.Visible = false;
    EndProgram();
}

} // namespace quillon
