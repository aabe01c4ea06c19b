// The project window: every .CUT file of the open file's folder with its messages with text,
// translated, unchanged, blank and invalid, a progress bar per file and for the folder, and the
// work file each was read from. A double-click opens a file as "Next file" would.
#pragma once

#include "editor/Controls.h"
#include "project/FolderOverview.h"

#include <string>
#include <vector>

namespace quillon {

class MainWindow;

// One line of the list, as the window shows it.
struct ProjectRow {
    std::string name;
    std::string withText, translated, unchanged, blank, invalid;
    std::string layoutWarned; // messages the game does not show as they are
    std::string layoutList;   // their labels
    int percent = 0;          // translated of the messages with text, rounded down
    std::string readFrom;     // "C12_3.tmf (backup)", "C12.tmf (work folder)", or why not
    std::string readFromTip;  // the full path of the file read
    std::string invalidList;  // the invalid messages' numbers, for the tooltip
    std::string error;        // why the file cannot be opened; empty when it can
    bool openFile = false;    // the file open in the main window
    bool hasMessages = false; // the editor opens it (it may still have no text to translate)
};

class ProjectWindow {
public:
    explicit ProjectWindow(MainWindow& owner);
    ~ProjectWindow();

    WindowPart Window{"ProjectWindow"};
    Label LabelFolder{"LabelFolder"};
    Label LabelTotal{"LabelTotal"};
    ProgressBar ProgressTotal{"ProgressTotal"};
    Label LabelWorkFolder{"LabelWorkFolder"};
    CommandButton btnWorkFolder{"btnWorkFolder"};
    CommandButton btnRefresh{"btnRefresh"};
    CommandButton btnClose{"btnClose"};
    Label LabelStatus{"LabelStatus"};
    std::vector<ProjectRow> Rows;
    int RowsVersion = 0;  // grows whenever Rows is rebuilt
    int SelectedRow = -1; // 0-based, -1 when none

    // Reads the folder again: the open file's folder, the program's Backup folder and the
    // chosen work folder.
    void Refresh();
    void OnRowDoubleClicked(int index);
    void OnWorkFolderClicked();
    void OnRefreshClicked();
    void OnCloseClicked();

private:
    MainWindow& owner_;
};

} // namespace quillon
