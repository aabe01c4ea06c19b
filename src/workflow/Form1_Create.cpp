// Creating a new .CUT file or updating the open one: the invalid-messages report, the save
// dialog, the replace and update questions, the writer, and what Yes does for each question.
#include "workflow/Form1.h"

#include "cut/CutFile.h"
#include "cut/FileIO.h"
#include "cut/Utf8Path.h"

#include <algorithm>
#include <cctype>

namespace quillon {

namespace {

constexpr const char* kCrLf = "\r\n";

// The name part of a path, after its last separator.
std::string NameOf(const std::string& path) {
    std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

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

void Form1::btnCreateNewCUT_Click() {
    if (Ended) return;
    // A table the format cannot hold is refused before any question or dialog.
    std::string problem = CheckCutWritable(Table, State.Layout);
    if (!problem.empty()) {
        MsgBox(problem, kAppTitle);
        return;
    }
    if (LeadingNumber(LabelBadMessages.Caption()) != 0) {
        State.ConfirmMode = 1;
        ConfirmInvalidMessages();
    } else {
        CreateNewCUT();
    }
}

void Form1::SetConfirmWindowOnTop() {
    if (!Confirm) {
        Confirm = std::make_unique<FormConfirm>(*this);
        Confirm->Form_Load();
    }
    Confirm->Form.Topmost = CheckAlwaysOnTop.Value() == 1;
    Confirm->Form.Visible = true;
}

void Form1::ConfirmInvalidMessages() {
    SetConfirmWindowOnTop();
    Confirm->OpenQuestion();

    const std::string& count = LabelBadMessages.Caption();
    const std::string& list = LabelBadMessages.ToolTipText;
    std::string text;
    double labelTop = 0;
    if (count != "1") {
        const int growth = ReportGrowth(LeadingNumber(count));
        Confirm->Form.Height += growth;
        Confirm->btnYes.Top += growth;
        Confirm->btnNo.Top += growth;
        labelTop = 120;
        text = JoinLastTwo("There are " + count + " invalid messages:" + kCrLf + list);
    } else {
        labelTop = 240;
        text = OrdinalReport(list);
    }
    text += kCrLf;
    text += "Are you sure you want to create the .CUT file?";
    Confirm->SetQuestion(labelTop, text);
}

void Form1::CreateNewCUT() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);

    CommonDialog1.DialogTitle = "Create new Flight of the Amazon Queen Cutscene file (.CUT)";
    CommonDialog1.InitDir = DialogStartFolder(true);
    CommonDialog1.FileName = State.CutFileName;
    CommonDialog1.Filter = "Flight of the Amazon Queen Cutscene files (*.CUT)|*.cut";
    if (!CommonDialog1.ShowSave()) return;

    std::string chosen = CommonDialog1.FileName;
    RememberDialogFolder(chosen);
    if (chosen.empty()) return;

    // The open file typed in another letter case is the open file. Working on its own
    // spelling from here on keeps the .TEMP file and the renames on one file on systems
    // whose file names keep their letter case.
    const std::string openPath = State.CutDirectory + State.CutFileName;
    const bool isOpenFile = EqualIgnoringCase(chosen, openPath);
    if (isOpenFile && chosen != openPath) {
        chosen = openPath;
        CommonDialog1.FileName = chosen;
    }

    // An existing file is never deleted ahead of the write: the writer replaces it in one
    // step once the new file is complete, so a failed write leaves it as it was.
    const std::optional<std::int64_t> length = platform.FileLength(chosen);
    if (!length || *length == 0) {
        State.TargetCutPath = chosen;
        CreateCUT();
        return;
    }
    if (CheckConfirm.Value() == 1) {
        if (isOpenFile) {
            State.ConfirmMode = 6;
            ConfirmUpdateFile();
        } else {
            State.ConfirmMode = 4;
            ConfirmReplaceFile();
        }
        return;
    }
    State.TargetCutPath = isOpenFile ? chosen + ".TEMP" : chosen;
    CreateCUT();
}

void Form1::ConfirmUpdateFile() {
    SetConfirmWindowOnTop();
    Confirm->OpenQuestion();
    Confirm->SetQuestion(420, "Do you want to update " + NameOf(CommonDialog1.FileName) + "?");
}

void Form1::ConfirmReplaceFile() {
    SetConfirmWindowOnTop();
    Confirm->OpenQuestion();
    Confirm->SetQuestion(240, "File " + NameOf(CommonDialog1.FileName) + " already exists." +
                                  kCrLf + "Do you want to replace it?");
}

void Form1::CreateCUT() {
    if (Ended) return;
    const std::string sourcePath = State.CutDirectory + State.CutFileName;
    FileReadResult source = ReadWholeFile(PathFromUtf8(sourcePath));
    if (!source.error.empty()) {
        MsgBox(source.error, kAppTitle);
        return;
    }
    std::string problem = CheckCutWritable(Table, State.Layout);
    if (!problem.empty()) {
        MsgBox(problem, kAppTitle);
        return;
    }

    // Pad a copy: the table takes the padding only once the file is really written.
    MessageTable padded = Table;
    PadForParity(padded);
    CutBuildResult built = BuildCutBytes(source.bytes, padded, State.Layout);
    if (!built.error.empty()) {
        MsgBox(built.error, kAppTitle);
        return;
    }
    std::string writeError = WriteFileAtomically(PathFromUtf8(State.TargetCutPath), built.bytes);
    if (!writeError.empty()) {
        MsgBox(writeError, kAppTitle);
        return;
    }
    Table = std::move(padded);

    if (State.TargetCutPath == CommonDialog1.FileName + ".TEMP") {
        // The new file is already complete on disk, and whichever step fails leaves either
        // the old or the new file under the name; the reopened file shows which.
        const std::string problem = FinishUpdateInPlace(PathFromUtf8(sourcePath));
        // Reopening loads the stored settings: what this session changed is stored first,
        // as before every other change of file.
        SaveSettings();
        OpenFile(sourcePath);
        if (Ended) return;
        if (problem.empty())
            MsgBox("CUT file is updated!");
        else
            MsgBox(problem, kAppTitle);
    } else {
        MsgBox("CUT file is created!");
    }
}

void Form1::ConfirmYes() {
    if (Ended) return;
    switch (State.ConfirmMode) {
    case 1:
        CreateNewCUT();
        break;
    case 2:
        CreateTMF(1);
        break;
    case 3:
        CreateTMF(0);
        break;
    case 4:
        State.TargetCutPath = CommonDialog1.FileName;
        CreateCUT();
        break;
    case 5:
        SaveSettings();
        CloseFile();
        break;
    case 6:
        State.TargetCutPath = CommonDialog1.FileName + ".TEMP";
        CreateCUT();
        break;
    case 7:
        SaveSettings();
        State.OpenDirection = 7;
        OpenFile(State.CutDirectory + State.PreviousCutFileName);
        break;
    case 8:
        SaveSettings();
        State.OpenDirection = 8;
        OpenFile(State.CutDirectory + State.NextCutFileName);
        break;
    case 10:
        OpenProjectFile();
        break;
    case 9:
        SaveSettings();
        Help.reset();
        Form.Visible = false;
        EndProgram();
        break;
    default:
        break;
    }
}

} // namespace quillon
