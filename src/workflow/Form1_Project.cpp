// F9 or the "File" frame's menu: the project window, and opening a file from it the way the
// file cycle opens its neighbours.
#include "workflow/Form1.h"

namespace quillon {

void Form1::ShowProjectWindow() {
    if (Ended) return;
    if (!Project) Project = std::make_unique<FormProject>(*this);
    Project->Form.Visible = true;
    Project->Form.Topmost = CheckAlwaysOnTop.Value() == 1;
    Project->Refresh();
    Focus.SetFocus(Project->Form);
}

void Form1::OpenFromProject(const std::string& name) {
    // While a question is open no second command may start.
    if (Ended || !Form.Enabled) return;
    ProjectFileName = name;
    if (CheckConfirm.Value() == 1) {
        State.ConfirmMode = 10;
        SetConfirmWindowOnTop();
        Confirm->OpenQuestion();
        Confirm->SetQuestion(360, "Are you sure you want to close file " + State.CutFileName + "?");
        return;
    }
    OpenProjectFile();
}

void Form1::OpenProjectFile() {
    if (Ended) return;
    SaveSettings();
    // Chosen by name, as in the open dialog: a file without text is not passed over.
    State.OpenDirection = 0;
    OpenFile(State.CutDirectory + ProjectFileName);
}

} // namespace quillon
