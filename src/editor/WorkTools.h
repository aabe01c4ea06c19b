// The tools for working through a whole file and folder: the jumps to what is left (F7,
// F8), the find window (Ctrl+F), the project window (F9) and the keys that reach them and
// undo and redo.
#pragma once

#include "editor/FindWindow.h"
#include "editor/ProjectWindow.h"

#include <memory>
#include <string>

namespace quillon {

class MainWindow;

class WorkTools {
public:
    explicit WorkTools(MainWindow& window) : window_(window) {}
    WorkTools(const WorkTools&) = delete;
    WorkTools& operator=(const WorkTools&) = delete;

    // The keys beyond the main window's own: jumps, undo and redo, find, the project window.
    // Each swallows its key.
    void OnKeyDown(int& keyCode, int& shift);

    // F7 / Shift+F7 (invalid) and F8 / Shift+F8 (blank): the next or previous such message,
    // round the end of the file once.
    void JumpToInvalid(bool forward);
    void JumpToBlank(bool forward);

    // Ctrl+F: the find window, which exists only while shown.
    std::unique_ptr<FindWindow> Find;
    void ShowFindWindow();
    // The row's original or new message as its box shows it in the current mode (control
    // codes hidden or not): what the find window searches.
    std::string AsShown(int row, bool original) const;

    // F9 or the "File" frame's menu: the project window, which exists only while shown.
    std::unique_ptr<ProjectWindow> Project;
    void ShowProjectWindow();
    // Opens a file of the folder the way "Next file" does: settings saved, the close
    // question asked when "Confirm overwriting/closing files" is checked.
    void OpenFromProject(const std::string& name);
    // Opens the file chosen in the project window (after the question, when one was asked).
    void OpenProjectFile();

private:
    void JumpTo(bool forward, bool invalid);
    std::string projectFileName_; // the file the project window is about to open
    MainWindow& window_;
};

} // namespace quillon
