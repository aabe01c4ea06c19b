// Painting and input of the editor's own widgets.
#include "ui/MirrorWidgets.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextDocument>

namespace quillon::ui {

void FrameBox::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void FrameBox::SetBorder(bool border) {
    if (border == border_) return;
    border_ = border;
    update();
}

void FrameBox::paintEvent(QPaintEvent*) {
    if (!border_) return;
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    option.initFrom(this);
    option.text = caption_;
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::AlignLeft;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!caption_.isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
    option.textColor = palette().color(QPalette::WindowText);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

void WrapButton::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        Clicked) {
        event->accept();
        Clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

MessageEdit::MessageEdit(QWidget* parent) : QPlainTextEdit(parent), status_(new QLabel(this)) {
    // Tab moves on to the next control, as in any form; a tab in a message is refused anyway.
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    status_->setWordWrap(false);
    status_->setAutoFillBackground(true);
    QPalette palette = status_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xC4));
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    status_->setPalette(palette);
    QFont small = status_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    status_->setFont(small);
    status_->setIndent(4);
    status_->hide();
}

QString MessageEdit::RawText() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void MessageEdit::SetStatus(const QString& text) {
    if (text == status_->text() && status_->isHidden() == text.isEmpty()) return;
    status_->setText(text);
    status_->setToolTip(text);
    status_->setVisible(!text.isEmpty());
    setViewportMargins(0, 0, 0, text.isEmpty() ? 0 : status_->sizeHint().height());
    PlaceStatus();
}

QString MessageEdit::Status() const {
    return status_->text();
}

bool MessageEdit::StatusVisible() const {
    return !status_->isHidden();
}

void MessageEdit::PlaceStatus() {
    const int frame = frameWidth();
    const int height = status_->sizeHint().height();
    status_->setGeometry(frame, this->height() - frame - height, width() - 2 * frame, height);
}

void MessageEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceStatus();
}

void MessageEdit::keyPressEvent(QKeyEvent* event) {
    if (KeyPressed && KeyPressed(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MessageEdit::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    if (KeyReleased) KeyReleased(event);
}

void MessageEdit::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (MouseReleased) MouseReleased(event);
}

void MessageEdit::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText() && FitInsert) {
        const std::optional<QString> fitted = FitInsert(source->text());
        if (fitted) insertPlainText(*fitted);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void MessageEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The standard menu, with the owner's undo and redo in place of the box's own.
    QMenu* menu = createStandardContextMenu(event->pos());
    for (auto [name, command] : {std::pair{"edit-undo", &Undo}, {"edit-redo", &Redo}}) {
        auto* action = menu->findChild<QAction*>(QLatin1String(name));
        if (action == nullptr || !command->run) continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, this, [run = command->run] { run(); });
        action->setEnabled(!command->available || command->available());
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace quillon::ui
