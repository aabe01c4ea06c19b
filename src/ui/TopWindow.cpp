// Window state of the editor's top-level windows.
#include "ui/TopWindow.h"

#include "ui/Twips.h"
#include "ui/UiText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace quillon::ui {

TopWindow::TopWindow(const WindowPart& source, Placement placement, QWidget* owner)
    : QWidget(nullptr), source_(source), placement_(placement), owner_(owner) {
    // The windows are independent: disabling the main window while a question is open must
    // not disable the question.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void TopWindow::ApplyFlags() {
    // A window kept above another is a dialog to the window system: X11 window managers
    // honour the owner (WM_TRANSIENT_FOR) only for dialogs.
    Qt::WindowFlags flags = (above_ ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint;
    if (!source_.CloseRemoved) flags |= Qt::WindowCloseButtonHint;
    if (source_.Sizable) flags |= Qt::WindowMaximizeButtonHint;
    if (source_.Topmost) flags |= Qt::WindowStaysOnTopHint;
    if (flags == windowFlags()) return;
    const bool wasVisible = isVisible();
    const QPoint at = pos();
    setWindowFlags(flags); // hides the window
    if (placed_) move(at);
    if (wasVisible) {
        SetTransientParent(); // a new native window may have been made
        show();
    }
}

void TopWindow::SetTransientParent() {
    if (!above_) return;
    QWindow* owner = above_->windowHandle();
    if (owner == nullptr) return;
    create(); // the native window that carries the hint
    if (QWindow* self = windowHandle(); self && self->transientParent() != owner)
        self->setTransientParent(owner);
}

void TopWindow::Place() {
    QRect area;
    if (placement_ == Placement::NextToOwner && owner_ && owner_->isVisible()) {
        // Below the owner, or above it, so both message boxes stay in sight; over the owner's
        // top right corner only when the screen has no room. The frame is not known before
        // the first show, so a title bar's height is allowed for.
        const QRect owner = owner_->frameGeometry();
        const QScreen* screen = owner_->screen();
        const QRect free = screen ? screen->availableGeometry() : QRect();
        const int height = frameGeometry().height() + (isVisible() ? 0 : Px(kTitleTwips));
        const int x = owner.right() - frameGeometry().width();
        if (free.isValid() && owner.bottom() + height < free.bottom())
            move(x, owner.bottom() + 1);
        else if (free.isValid() && owner.top() - height > free.top())
            move(x, owner.top() - height);
        else
            move(x - 8, owner.top() + 8);
        placed_ = true;
        return;
    }
    if (placement_ == Placement::CentreOfOwner && owner_ && owner_->isVisible()) {
        area = owner_->frameGeometry();
    } else {
        QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
        if (!screen) screen = QGuiApplication::primaryScreen();
        if (screen) area = screen->availableGeometry();
    }
    if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
    placed_ = true;
}

void TopWindow::SyncWindow() {
    if (detached_) return;
    if (caption_ != source_.Caption) {
        caption_ = source_.Caption;
        setWindowTitle(FromProgramText(*caption_));
    }
    if (topmost_ != source_.Topmost || closeRemoved_ != source_.CloseRemoved) {
        topmost_ = source_.Topmost;
        closeRemoved_ = source_.CloseRemoved;
        ApplyFlags();
    }
    SyncSize();
    if (enabled_ != source_.Enabled) {
        enabled_ = source_.Enabled;
        setEnabled(source_.Enabled);
    }
    if (source_.Visible && isHidden()) {
        if (!placed_) Place();
        SetTransientParent();
        show();
        raise();
        activateWindow();
    } else if (!source_.Visible && !isHidden()) {
        hide();
    }
}

QSize TopWindow::DesignedClientSize() const {
    if (source_.Width <= 0 || source_.Height <= 0) return {};
    return QSize(Px(source_.Width - kBorderTwips),
                 std::max(Px(source_.Height - kTitleTwips), minimumClientHeight));
}

QSize TopWindow::Growth() const {
    const QSize designed = DesignedClientSize();
    if (!source_.Sizable || !designed.isValid()) return {0, 0};
    return (size() - designed).expandedTo(QSize(0, 0));
}

double TopWindow::OuterWidth(int clientWidth) {
    return Twips(clientWidth) + kBorderTwips;
}

double TopWindow::OuterHeight(int clientHeight) {
    return Twips(clientHeight) + kTitleTwips;
}

void TopWindow::SyncSize() {
    const QSize designed = DesignedClientSize();
    if (!source_.Sizable || !designed.isValid()) {
        const QSize size = designed.isValid() ? designed : sizeHint();
        if (size != size_) {
            size_ = size;
            setFixedSize(size);
        }
        return;
    }
    // The designed size is the smallest; the window takes the size the user left it at.
    if (designed != minimum_) {
        minimum_ = designed;
        setMinimumSize(designed);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    const QSize user(source_.UserWidth > 0 ? Px(source_.UserWidth - kBorderTwips) : 0,
                     source_.UserHeight > 0 ? Px(source_.UserHeight - kTitleTwips) : 0);
    const QSize size = user.expandedTo(designed);
    if (size != size_) {
        size_ = size;
        // A maximised window is restored to it later by the window system.
        if (!isMaximized()) resize(size);
    }
    if (maximized_ != source_.Maximized) {
        maximized_ = source_.Maximized;
        const Qt::WindowStates state = *maximized_ ? windowState() | Qt::WindowMaximized
                                                   : windowState() & ~Qt::WindowMaximized;
        if (state != windowState()) setWindowState(state);
    }
}

void TopWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (Resized) Resized();
}

void TopWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && Resized) Resized();
}

void TopWindow::closeEvent(QCloseEvent* event) {
    // Closing is the handlers' business: a window goes when its headless window says so.
    event->ignore();
    if (detached_ || source_.CloseRemoved) return;
    if (CloseRequested) CloseRequested();
}

void TopWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // Labels and frames pass their double-clicks up; only the bare surface counts.
    if (SurfaceDoubleClicked && event->button() == Qt::LeftButton &&
        childAt(event->position().toPoint()) == nullptr) {
        event->accept();
        SurfaceDoubleClicked();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void FollowOnTop(QWidget& dialog, const QWidget* owner) {
    if (owner != nullptr && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace quillon::ui
