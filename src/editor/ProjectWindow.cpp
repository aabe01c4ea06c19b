// The project window: the folder read through the shared overview, shown row by row.
#include "editor/MainWindow.h"

#include "base/Utf8Path.h"
#include "settings/Settings.h"

namespace quillon {

namespace {

std::string ReadFromCaption(const FileOverview& file) {
    if (!file.error.empty()) return file.error;
    switch (file.source) {
    case WorkSource::Backup:
        return Utf8FromPath(file.workFile.filename()) + " (backup)";
    case WorkSource::WorkFolder:
        return Utf8FromPath(file.workFile.filename()) + " (work folder)";
    case WorkSource::None:
        break;
    }
    return "none";
}

} // namespace

ProjectWindow::ProjectWindow(MainWindow& owner) : owner_(owner) {
    Window.Caption = " Project";
    Window.Visible = false;
    Window.Width = 13650; // a list wide enough for its eight columns
    Window.Height = 7800;
    LabelStatus.ForeColor = kDarkRed;
    btnWorkFolder.Caption = "Choose work folder...";
    btnWorkFolder.ToolTipText =
        "The folder where you save your .TMF files; each .CUT file is read with the newest "
        ".TMF made for it there or in the Backup folder";
    btnRefresh.Caption = "Refresh";
    btnClose.Caption = "Close";
    btnWorkFolder.Click = [this] { OnWorkFolderClicked(); };
    btnRefresh.Click = [this] { OnRefreshClicked(); };
    btnClose.Click = [this] { OnCloseClicked(); };
}

ProjectWindow::~ProjectWindow() {
    FocusTracker& focus = owner_.Focus;
    for (const Control* part : std::initializer_list<const Control*>{
             &Window, &LabelFolder, &LabelTotal, &ProgressTotal, &LabelWorkFolder, &btnWorkFolder,
             &btnRefresh, &btnClose, &LabelStatus})
        if (focus.Current() == part) focus.Clear();
}

void ProjectWindow::Refresh() {
    MainWindow& f = owner_;
    if (f.Ended) return;
    const std::string folder = f.State.FileFolder;
    const std::optional<std::string> workFolder = f.platform.Settings().Read(settings::kWorkFolder);

    OverviewSources sources;
    sources.cutFolder = PathFromUtf8(folder);
    sources.backupFolder = PathFromUtf8(f.platform.ProgramFolder() + kPathSeparator + "Backup");
    if (workFolder && !workFolder->empty()) sources.workFolder = PathFromUtf8(*workFolder);
    sources.language = f.GameLanguage();
    const FolderOverview overview = BuildFolderOverview(sources);

    LabelFolder.SetCaption(folder);
    LabelWorkFolder.SetCaption(sources.workFolder ? "Work folder: " + *workFolder
                                                  : "Work folder: none chosen");
    Rows.clear();
    Rows.reserve(overview.files.size());
    for (const FileOverview& file : overview.files) {
        const MessageTally& c = file.counts;
        ProjectRow row;
        row.name = file.name;
        row.withText = std::to_string(c.withText);
        row.translated = std::to_string(c.translated);
        row.unchanged = std::to_string(c.unchanged);
        row.blank = std::to_string(c.blank);
        row.invalid = std::to_string(c.invalid);
        row.layoutWarned = std::to_string(c.layoutWarned);
        row.layoutList = c.layoutWarningList;
        row.percent = c.withText > 0 ? c.translated * 100 / c.withText : 0;
        row.readFrom = ReadFromCaption(file);
        row.readFromTip = Utf8FromPath(file.workFile);
        row.invalidList = c.invalidList;
        row.error = file.error;
        row.openFile = EqualIgnoringCase(file.name, f.State.FileName);
        row.hasMessages = c.messages > 0;
        Rows.push_back(std::move(row));
    }
    ++RowsVersion;
    SelectedRow = -1;
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].openFile) SelectedRow = static_cast<int>(i);

    const MessageTally& t = overview.total;
    LabelTotal.SetCaption(std::to_string(t.translated) + " of " + std::to_string(t.withText) +
                          " messages translated in " + std::to_string(Rows.size()) +
                          (Rows.size() == 1 ? " file; " : " files; ") +
                          std::to_string(t.unchanged) + " unchanged, " + std::to_string(t.blank) +
                          " blank, " + std::to_string(t.invalid) + " invalid");
    ProgressTotal.Max = t.withText > 0 ? t.withText : 1;
    ProgressTotal.Value = t.translated;
    LabelStatus.SetCaption(overview.error);
}

void ProjectWindow::OnRowDoubleClicked(int index) {
    MainWindow& f = owner_;
    if (f.Ended || index < 0 || index >= static_cast<int>(Rows.size())) return;
    SelectedRow = index;
    const ProjectRow& row = Rows[static_cast<std::size_t>(index)];
    // Opening a file without text would end in the open dialog; say so here instead.
    if (!row.error.empty() || !row.hasMessages) {
        LabelStatus.SetCaption(row.error.empty() ? row.name + " has no text messages." : row.error);
        return;
    }
    LabelStatus.SetCaption("");
    f.Tools.OpenFromProject(row.name);
}

void ProjectWindow::OnWorkFolderClicked() {
    MainWindow& f = owner_;
    if (f.Ended) return;
    const std::optional<std::string> stored = f.platform.Settings().Read(settings::kWorkFolder);
    const std::string start = stored && !stored->empty() ? *stored : f.State.FileFolder;
    const std::optional<std::string> chosen =
        f.platform.ChooseFolder("Choose the folder of your .TMF work files", start);
    // The chooser belongs to the main window; the keyboard comes back here.
    f.Focus.SetFocus(Window);
    if (!chosen || chosen->empty()) return;
    f.platform.Settings().Write(settings::kWorkFolder, *chosen);
    Refresh();
}

void ProjectWindow::OnRefreshClicked() {
    Refresh();
}

void ProjectWindow::OnCloseClicked() {
    MainWindow& owner = owner_;
    std::unique_ptr<ProjectWindow> closing;
    if (owner.Tools.Project.get() == this) closing = std::move(owner.Tools.Project);
    owner.Focus.SetFocus(owner.NewMessageBox);
}

} // namespace quillon
