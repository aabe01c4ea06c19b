// The windows and the notice for working through a whole file and folder: the find window,
// the project window, and the short notice over the main window that goes by itself.
#pragma once

#include "editor/MainWindow.h"
#include "ui/AuxWindow.h"

#include <QLabel>
#include <QTimer>

namespace quillon::ui {

class BoxMirror;

// The find window beside the main window. Its text is typed in the new box's code page and
// looked for in the original messages in the original box's.
AuxWindow BuildFindView(FindWindow& find, const Runner& run, QWidget* owner,
                        const BoxMirror& original, const BoxMirror& edited);
// The project window: the folder's files, a progress bar each, and the folder's total.
AuxWindow BuildProjectView(ProjectWindow& project, const Runner& run, QWidget* owner);

// The notice, drawn over the top right corner of anchor (the new-message box) without moving
// anything of the designed window; each new notice shows for a few seconds.
class NoticeMirror : public Mirror {
public:
    static constexpr int kShownMilliseconds = 3500;
    NoticeMirror(const MainWindow::NoticeText& notice, QWidget* parent, QWidget* anchor);
    void Sync() override;
    // Puts the notice back over the anchor's corner, which may have moved.
    void Place();
    QLabel* Widget() const { return label_; }

private:
    const MainWindow::NoticeText& notice_;
    QWidget* anchor_;
    QLabel* label_;
    QTimer timer_;
    int serial_ = 0;
};

} // namespace quillon::ui
