// A top-level window that mirrors a headless Window: caption, size (a sizable window's
// smallest, the user's and whether it is maximised), visibility, enabled state, "always on
// top" and the close command.
#pragma once

#include "editor/Controls.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace quillon::ui {

class TopWindow : public QWidget {
public:
    // Where the window first appears.
    enum class Placement { CentreOfScreen, CentreOfOwner, NextToOwner };

    TopWindow(const WindowPart& source, Placement placement, QWidget* owner = nullptr);

    // Heights and widths of the headless windows count the title bar and the border, which
    // take 380 and 90 twips in the designs; the client area is the rest.
    static constexpr double kTitleTwips = 380;
    static constexpr double kBorderTwips = 90;

    void SyncWindow();
    // The client area never ends above this height (pixels), so nothing designed is cut.
    int minimumClientHeight = 0;
    // The designed client area (pixels); invalid for a window laid out by its contents.
    QSize DesignedClientSize() const;
    // What the user added to the designed client area (pixels); none at the designed size.
    QSize Growth() const;
    // A client area (pixels) measured as the headless window's Width and Height (twips with
    // the title bar and the border).
    static double OuterWidth(int clientWidth);
    static double OuterHeight(int clientHeight);
    // The window was resized, maximised, restored or minimised, by anyone.
    std::function<void()> Resized;
    // A close request that the window allows (its close command is still there).
    std::function<void()> CloseRequested;
    // A double-click on the window's own surface, not on a control.
    std::function<void()> SurfaceDoubleClicked;
    // Stops mirroring: the headless window is about to go away.
    void Detach() { detached_ = true; }
    // Makes this a window of main for the window manager, which then keeps it above main
    // whatever the user clicks. No Qt parent: disabling main must not disable this window.
    void KeepAbove(QWidget* main) { above_ = main; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyFlags();
    void Place();
    void SetTransientParent();
    void SyncSize();

    const WindowPart& source_;
    Placement placement_;
    QWidget* owner_;
    QPointer<QWidget> above_;
    bool detached_ = false;
    bool placed_ = false;
    std::optional<std::string> caption_;
    std::optional<bool> topmost_, closeRemoved_, enabled_, maximized_;
    QSize size_, minimum_;
};

// A dialog over a window that stays on top must stay on top as well, or it would open
// behind it; owner may be null.
void FollowOnTop(QWidget& dialog, const QWidget* owner);

} // namespace quillon::ui
