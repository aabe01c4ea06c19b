// Start-up, opening a cutscene file into the window, closing it, and finding the open
// file's neighbours in its folder.
#include "editor/MainWindow.h"

#include "base/Utf8Path.h"
#include "editor/AutoBackup.h"
#include "formats/Formats.h"
#include "project/MessageTally.h"
#include "settings/Settings.h"
#include "text/Validity.h"
#include "work/Tmf.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>

namespace quillon {

namespace {

// Only a game text file's ending in its own letter case makes a listed name a neighbour.
bool IsNeighbour(const std::string& name) {
    return IsGameTextFile(name, EndingCase::Exact);
}

// Where the open file stands among the neighbours: its own spelling first, so that on a
// disk that keeps letter case C12.CUT is never taken for c12.CUT beside it; any spelling
// when its own is not listed. npos when it is not there at all.
std::size_t PlaceOfOpenFile(const std::vector<std::string>& names, const std::string& open) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (IsNeighbour(names[i]) && names[i] == open) return i;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (IsNeighbour(names[i]) && EqualIgnoringCase(names[i], open)) return i;
    return std::string::npos;
}

void SetProgress(MainWindow& form, double value) {
    form.ReadProgressBar.Value = value;
    if (form.ProgressChanged) form.ProgressChanged(value);
}

} // namespace

void MainWindow::Start() {
    if (Ended) return;
    Window.Caption = std::string("QUILLON cutscene editor v.") + kVersion + " - Velunor";
    Window.Height = FrameButtons.Top + FrameButtons.Height + 340;
    Window.Width = 15360;
    Window.Visible = false;

    // From here on a failing step is skipped and the next one runs.
    SettingsStore& store = platform.Settings();
    if (auto stored = store.Read(settings::kRememberLastDirectory)) {
        auto state = settings::ParseInt16(*stored);
        if (state && (*state == 0 || *state == 1)) CheckRememberLastDirectory.SetValue(*state);
    }
    if (Ended) return;

    SharedFileDialog.DialogTitle = "Open Flight of the Amazon Queen Cutscene files (.CUT)";
    SharedFileDialog.InitDir = DialogStartFolder(false);
    SharedFileDialog.Filter = GameFilesDialogFilter();
    // The dialog is shared: the name a work-file dialog left there is no game file to offer.
    if (!IsGameTextFile(NameOf(SharedFileDialog.FileName))) SharedFileDialog.FileName.clear();
    const bool chosen = SharedFileDialog.ShowOpen();
    State.Reached = ReachedBy::Dialog;
    // A cancel after a file was closed leaves the window open with no file; at the first
    // start it leaves the previous name (none: the program ends).
    if (!chosen && closedFile_) {
        ShowNoFile();
        return;
    }
    OpenFile(SharedFileDialog.FileName);
}

void MainWindow::ShowNoFile() {
    closedFile_ = false;
    Doc.Clear();
    TableView.SelectedRow = 0;
    ++TableView.RedrawCount;
    Edits.History.Clear();
    State.FileName.clear();
    State.BackupFileName.clear();
    State.WorkChanged = State.UnbackedWork = State.ShownRaw = false;
    State.OriginalFileSize = State.NewFileSize = State.NewTextSize = 0;
    State.BlankCount = 0;
    State.InvalidCount = State.FilledCount = State.CurrentNewLength = 0;
    {
        DisplayScope display(*this);
        OriginalMessageBox.SetText("");
        NewMessageBox.SetText("");
    }
    NewMessageBox.Locked = false;
    MessageSlider.Visible = false;
    OriginalFileNameLabel.SetCaption("");
    OriginalFileNameLabel.ToolTipText.clear();
    for (Label* zero : {&OriginalCountLabel, &NewCountLabel, &InvalidCountLabel, &BlankCountLabel,
                        &OriginalCodeCountLabel, &NewCodeCountLabel})
        zero->SetCaption("0");
    for (Label* bytes : {&OriginalFileSizeLabel, &OriginalFileTextSizeLabel, &NewFileTextSizeLabel,
                         &NewFileSizeLabel, &OriginalTextSizeLabel, &OriginalTotalSizeLabel,
                         &NewTextSizeLabel, &NewTotalSizeLabel})
        bytes->SetCaption("0 bytes");
    for (Label* none : {&OriginalNumberLabel, &NewNumberLabel, &MessageNoteLabel})
        none->SetCaption("");
    InvalidCountLabel.ToolTipText.clear();
    BlankCountLabel.ToolTipText.clear();
    btnSaveNewMessages.Enabled = false;
    btnWriteFile.Enabled = false;
    Window.Visible = true;
    if (Tools.Project) Tools.Project->Refresh();
}

void MainWindow::OpenFile(std::string FileName) {
    if (Ended) return;
    ClearNotice();
    closedFile_ = false;
    originalBytes_.reset();
    MessageSlider.Visible = true;

    SettingsStore& store = platform.Settings();
    const std::size_t separator = LastSeparator(FileName);
    const std::string directory =
        separator == std::string::npos ? FileName : FileName.substr(0, separator + 1);
    State.LastDirectory = directory;
    store.Write(settings::kLastDirectory, directory);

    if (FileName.empty()) {
        EndProgram();
        return;
    }

    if (separator != std::string::npos) {
        State.FileFolder = FileName.substr(0, separator + 1);
        State.FileName = FileName.substr(separator + 1);
        store.Write(settings::kLastDirectory, State.FileFolder);
    }

    // The label and size change only when the path names an existing file of that name.
    const std::string listedName =
        separator == std::string::npos ? FileName : FileName.substr(separator + 1);
    auto length = platform.FileLength(FileName);
    if (length && EqualIgnoringCase(listedName, State.FileName)) {
        OriginalFileNameLabel.SetCaption(State.FileName);
        OriginalFileNameLabel.ToolTipText = State.FileFolder + State.FileName;
        State.OriginalFileSize = static_cast<double>(*length);
        OriginalFileSizeLabel.SetCaption(SizeCaption(*length));
    } else {
        OriginalFileSizeLabel.SetCaption("0 bytes");
    }

    ReadProgressBar.Max = State.OriginalFileSize + 1;
    SetProgress(*this, 0);
    Window.Visible = true;

    Settings.OriginalLook.ResetToDesign();
    Settings.NewLook.ResetToDesign();

    Settings.Load();
    if (Ended) return;
    RemoveCloseButton(Window);
    if (Ended) return;

    // The three settings pages lie on one another, and the settings frame ends level with
    // the frame "New file".
    FrameSettings.Top = 2920;
    FrameSettings.Left = FrameOriginalMessage.Left;
    FrameSettingsOriginal.Top = FrameSettingsGeneral.Top;
    FrameSettingsNew.Top = FrameSettingsGeneral.Top;
    FrameSettingsGeneral.Border = false;
    FrameSettingsOriginal.Border = false;
    FrameSettingsNew.Border = false;
    FrameSettings.Height = NewFileFrame.Top + NewFileFrame.Height - FrameSettings.Top;

    Doc.Clear();
    TableView.SelectedRow = 0;
    Edits.History.Clear();

    // Each opening that changes the work gets its own backup, numbered at the first change:
    // paging through files leaves no backups behind.
    State.BackupFileName.clear();
    State.WorkChanged = false;
    State.UnbackedWork = false;
    State.BackupRefused = false;
    Work.TellLeftoverBackups();
    if (Ended) return;

    LoadGameFile(State.FileFolder + State.FileName);
}

std::string MainWindow::DialogStartFolder(bool trailingSeparator) {
    std::string cutFolder = platform.ProgramFolder() + kPathSeparator + "CUT";
    if (trailingSeparator) cutFolder += kPathSeparator;
    if (CheckRememberLastDirectory.Value() != 1) return cutFolder;
    return platform.Settings().Read(settings::kLastDirectory).value_or(cutFolder);
}

void MainWindow::RememberDialogFolder(const std::string& chosen) {
    State.LastDirectory = chosen.substr(0, LastSeparator(chosen) + 1);
    platform.Settings().Write(settings::kLastDirectory, State.LastDirectory);
}

void MainWindow::CloseAndAskForFile() {
    if (Ended) return;
    Window.Visible = false;
    closedFile_ = true;
    Start();
}

void MainWindow::LoadGameFile(const std::string& Path) {
    if (Ended) return;
    ReadResult read = ReadGameFile(PathFromUtf8(Path));
    if (!read.ok()) {
        // The file is not one the editor can read: empty boxes, and say why.
        MessageSlider.Visible = false;
        OriginalMessageBox.SetText("");
        NewMessageBox.SetText("");
        ShowMessage(read.message, kAppTitle);
        return;
    }

    Doc = std::move(read.document);
    // The bar passes where the messages start, then the end of the file.
    SetProgress(*this, static_cast<double>(Doc.layout ? Doc.layout->TextStart() : 0));
    // Every row is checked, not only the ones shown, so the counters cover the whole file.
    Doc.ValidateAll();
    // However the file was reached, the translator's newest work on it comes back.
    if (Doc.NumberedCount() > 0) workNotice_ = Work.BringBackNewestWork();
    SetProgress(*this, ReadProgressBar.Max);

    const int messages = Doc.NumberedCount();
    OriginalCountLabel.SetCaption(std::to_string(messages));
    NewCountLabel.SetCaption(std::to_string(messages));
    OriginalFileTextSizeLabel.SetCaption(
        settings::NumberText(static_cast<double>(Doc.Counts().originalBytes)) + " bytes");

    if (messages == 0) {
        if (skipping_) {
            // Inside a run of files without text: the opening that passes over them goes on.
            skipRequested_ = true;
            return;
        }
        // Going through the folder, a file without text is passed over in the same
        // direction; otherwise the user is told and asked for another file.
        if (!PassOverFilesWithoutText()) {
            ShowMessage("There aren't any text messages in this file");
            SharedFileDialog.FileName.clear();
            Start();
            return;
        }
        if (Ended) return;
        // The file opened in its place has shown itself; the rest runs once more on its table.
    }

    if (Doc.NumberedCount() == 1) {
        MessageSlider.Max = 2;
        MessageSlider.Visible = false;
    } else {
        MessageSlider.Max = Doc.NumberedCount();
    }
    int key = KeyCodeOf(Key::F1), shift = 0;
    OnNewBoxKeyDown(key, shift);
    OnNewMessageEdited();
    // Said once the file that stays open has shown itself, not by each file passed over.
    if (!skipping_ && !workNotice_.empty()) ShowNotice(std::exchange(workNotice_, {}));
    SetProgress(*this, 0);
    if (Tools.Project) Tools.Project->Refresh();
}

bool MainWindow::PassOverFilesWithoutText() {
    if (State.Reached == ReachedBy::Dialog) return false;
    // Each file is opened at most once, so a folder whose listing leads back to a file
    // already passed (or one that changes meanwhile) cannot keep the editor going round.
    std::set<std::string> visited{State.FileName};
    skipping_ = true;
    bool found = false;
    for (;;) {
        std::string neighbour;
        if (State.Reached == ReachedBy::PreviousFile) {
            FindPreviousFile();
            neighbour = State.PreviousFileName;
        } else {
            FindNextFile();
            neighbour = State.NextFileName;
        }
        if (neighbour.empty() || !visited.insert(neighbour).second) break;
        skipRequested_ = false;
        OpenFile(State.FileFolder + neighbour);
        if (Ended || !skipRequested_) {
            found = true;
            break;
        }
    }
    skipping_ = false;
    skipRequested_ = false;
    return found;
}

void MainWindow::FindNextFile() {
    if (Ended) return;
    State.NextFileName.clear();
    const auto names = platform.ListDirectory(State.FileFolder);
    const std::size_t open = PlaceOfOpenFile(names, State.FileName);
    if (open == std::string::npos) return;
    for (std::size_t j = open + 1; j < names.size(); ++j) {
        if (IsNeighbour(names[j])) {
            State.NextFileName = names[j];
            return;
        }
    }
}

void MainWindow::FindPreviousFile() {
    if (Ended) return;
    State.PreviousFileName.clear();
    const auto names = platform.ListDirectory(State.FileFolder);
    // Without the open file among them, every neighbour comes before it.
    const std::size_t open = std::min(PlaceOfOpenFile(names, State.FileName), names.size());
    for (std::size_t i = 0; i < open; ++i)
        if (IsNeighbour(names[i])) State.PreviousFileName = names[i];
}

} // namespace quillon
