// The question, About and Help windows: each exists while its headless window does, and its
// parts go back to their handlers through the same runner as the main window's.
#pragma once

#include "editor/AboutWindow.h"
#include "editor/QuestionWindow.h"
#include "ui/Mirrors.h"
#include "ui/TopWindow.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace quillon::ui {

using Runner = std::function<void(const std::function<void()>&)>;

struct AuxWindow {
    QPointer<TopWindow> window;
    std::vector<std::unique_ptr<Mirror>> mirrors;
    // Every part that can hold the focus, the window itself included.
    std::unordered_map<const Control*, QWidget*> widgets;
    // Cleared when the headless window goes, so a late event never reaches it.
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);

    // Makes the window that mirrors form, kept above owner (the main window); it closes only
    // when its headless window goes.
    TopWindow* Open(const WindowPart& form, TopWindow::Placement placement, QWidget* owner);
    // handler, run through run, while the headless window is still there.
    std::function<void()> Guarded(const Runner& run, std::function<void()> handler) const;

    void Sync();
    // A push button on the window that mirrors source and runs its Click through run.
    WrapButton* AddButton(CommandButton& source, const Runner& run);
    // The headless window is gone: stop mirroring and let Qt delete the widgets.
    void Dismiss();
};

// The question window as designed, centred on the screen; No is first in the tab order.
// Each window is kept above the main window (owner); the question and About disable it.
AuxWindow BuildQuestionView(QuestionWindow& confirm, const Runner& run, QWidget* owner);
AuxWindow BuildAboutView(AboutWindow& about, const Runner& run, QWidget* owner);
AuxWindow BuildHelpView(HelpWindow& help, const Runner& run, QWidget* owner);

} // namespace quillon::ui
