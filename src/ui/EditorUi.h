// The editor's Qt side: builds the windows from the headless ones, runs each user action as
// a call of its handler, and then brings every window up to date with the headless state.
#pragma once

#include "editor/MainWindow.h"
#include "ui/AuxWindow.h"
#include "ui/Mirrors.h"
#include "ui/TopWindow.h"
#include "ui/WorkWindows.h"

#include <QObject>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QTreeView;

namespace quillon::ui {

class BoxMirror;
class MessageEdit;
class ProgressMirror;
class QtPlatform;

class EditorUi : public QObject {
public:
    EditorUi(MainWindow& form, QtPlatform& platform);
    ~EditorUi() override;

    // The program's start: the open dialog of Start, then the window for what it chose.
    void Start();
    // Runs one handler (or several calls that make up one user action), then syncs.
    void Run(const std::function<void()>& handler);
    // Brings every widget in line with the headless state, changing only what differs.
    void SyncAll();

    TopWindow* MainView() const { return main_.get(); }
    QWidget* WidgetOf(const Control& control) const;
    MessageEdit* BoxOf(const TextBox& box) const;
    QTreeView* TableView() const { return table_; }
    TopWindow* QuestionView() const { return confirm_.window; }
    TopWindow* AboutView() const { return about_.window; }
    TopWindow* HelpView() const { return help_.window; }
    TopWindow* FindView() const { return find_.window; }
    TopWindow* ProjectView() const { return project_.window; }
    QLabel* NoticeLabel() const { return notice_->Widget(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMain();
    void FollowTheWindow();
    void OnMainResized();
    QWidget* ParentOf(const Control& control) const;
    void Track(const Control& control, QWidget* widget);
    void SyncAux(AuxWindow& aux, const void*& shownSource, const void* source,
                 const std::function<AuxWindow()>& build);
    void SyncFocus();
    void BuildWorkParts();

    MainWindow& form_;
    QtPlatform& platform_;
    std::unique_ptr<TopWindow> main_;
    std::vector<std::unique_ptr<Mirror>> mirrors_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<QObject*, Control*> focusTargets_;
    BoxMirror* original_ = nullptr;
    BoxMirror* edited_ = nullptr;
    ProgressMirror* progress_ = nullptr;
    QTreeView* table_ = nullptr;
    // What the user added to the main window's designed size, and the controls that follow it.
    QSize growth_{0, 0};
    std::vector<ControlMirror*> followers_;

    AuxWindow confirm_, about_, help_, find_, project_;
    const void* confirmSource_ = nullptr;
    const void* aboutSource_ = nullptr;
    const void* helpSource_ = nullptr;
    const void* findSource_ = nullptr;
    const void* projectSource_ = nullptr;
    NoticeMirror* notice_ = nullptr;

    int depth_ = 0;
    bool syncing_ = false;
};

} // namespace quillon::ui
