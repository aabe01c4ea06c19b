// Moving between the .CUT files of a folder and leaving the program, each saving the
// settings first and asking when "Confirm overwriting/closing files" is checked.
#include "workflow/Form1.h"

namespace quillon {

namespace {

void AskToClose(Form1& form) {
    form.SetConfirmWindowOnTop();
    form.Confirm->OpenQuestion();
    form.Confirm->SetQuestion(360, "Are you sure you want to close file " + form.State.CutFileName +
                                       "?");
}

} // namespace

void Form1::btnCloseFile_Click() {
    if (Ended) return;
    if (CheckConfirm.Value() == 1) {
        State.ConfirmMode = 5;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    CloseFile();
}

void Form1::btnNextFile_Click() {
    if (Ended) return;
    FindNextCutFile();
    if (State.NextCutFileName.empty()) return;
    if (CheckConfirm.Value() == 1) {
        State.ConfirmMode = 8;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    State.OpenDirection = 8;
    OpenFile(State.CutDirectory + State.NextCutFileName);
}

void Form1::btnPreviousFile_Click() {
    if (Ended) return;
    FindPreviousCutFile();
    if (State.PreviousCutFileName.empty()) return;
    if (CheckConfirm.Value() == 1) {
        State.ConfirmMode = 7;
        AskToClose(*this);
        return;
    }
    SaveSettings();
    State.OpenDirection = 7;
    OpenFile(State.CutDirectory + State.PreviousCutFileName);
}

void Form1::btnExit_Click() {
    if (Ended) return;
    if (CheckConfirm.Value() == 1) {
        State.ConfirmMode = 9;
        SetConfirmWindowOnTop();
        Confirm->OpenQuestion();
        Confirm->SetQuestion(360, "Are you sure you want to exit Quillon?");
        return;
    }
    SaveSettings();
    Help.reset();
    Form.Visible = false;
    EndProgram();
}

} // namespace quillon
