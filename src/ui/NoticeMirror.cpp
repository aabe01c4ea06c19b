// The notice over the main window: a label of its own, raised over the boxes, hidden again by
// a timer.
#include "ui/WorkWindows.h"

#include "ui/UiText.h"

namespace quillon::ui {

NoticeMirror::NoticeMirror(const MainWindow::NoticeText& notice, QWidget* parent, QWidget* anchor)
    : notice_(notice), anchor_(anchor), label_(new QLabel(parent)), serial_(notice.Serial) {
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC4));
    palette.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    label_->setPalette(palette);
    label_->setFrameShape(QFrame::Box);
    label_->setMargin(4);
    // It only informs: clicks go through to what lies under it.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->hide();
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, label_, [this] { label_->hide(); });
}

void NoticeMirror::Sync() {
    if (serial_ == notice_.Serial) return;
    serial_ = notice_.Serial;
    if (notice_.Text.empty()) {
        label_->hide();
        return;
    }
    label_->setText(FromProgramText(notice_.Text));
    label_->adjustSize();
    Place();
    label_->show();
    label_->raise();
    timer_.start(kShownMilliseconds);
}

void NoticeMirror::Place() {
    const QRect box = anchor_->geometry();
    label_->move(box.right() - label_->width() - 6, box.top() + 6);
}

} // namespace quillon::ui
