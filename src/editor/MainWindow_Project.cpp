// F9 or the "File" frame's menu: the project window, and opening a file from it the way the
// file cycle opens its neighbours.
#include "editor/MainWindow.h"

namespace quillon {

void MainWindow::ShowProjectWindow() {
    if (Ended) return;
    if (!Project) Project = std::make_unique<ProjectWindow>(*this);
    Project->Window.Visible = true;
    Project->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
    Project->Refresh();
    Focus.SetFocus(Project->Window);
}

void MainWindow::OpenFromProject(const std::string& name) {
    // While a question is open no second command may start.
    if (Ended || !Window.Enabled) return;
    ProjectFileName = name;
    if (CheckConfirmCloseOrReplace.Value() == 1) {
        State.PendingQuestion = Question::OpenProjectFile;
        KeepQuestionOnTop();
        Confirm->OpenQuestion();
        Confirm->SetQuestion(360, "Are you sure you want to close file " + State.FileName + "?");
        return;
    }
    OpenProjectFile();
}

void MainWindow::OpenProjectFile() {
    if (Ended) return;
    Settings.Save();
    // Chosen by name, as in the open dialog: a file without text is not passed over.
    State.Reached = ReachedBy::Dialog;
    OpenFile(State.FileFolder + ProjectFileName);
}

} // namespace quillon
