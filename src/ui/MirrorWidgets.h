// The few widgets Qt lacks for the editor's windows: a frame that can lose its border, a
// button whose caption wraps, a clickable label, and the message box with its status line.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

namespace quillon::ui {

// A frame with its caption on the border line; without a border it draws nothing at all.
class FrameBox : public QWidget {
public:
    explicit FrameBox(QWidget* parent) : QWidget(parent) {}
    void SetCaption(const QString& caption);
    void SetBorder(bool border);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    bool border_ = true;
};

// A push button whose caption wraps onto more lines when it is wider than the button.
class WrapButton : public QPushButton {
public:
    explicit WrapButton(QWidget* parent) : QPushButton(parent) {}
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}
    std::function<void()> Clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A multi-line message box. Its owner hears every key, release and paste before the box
// does, and can turn a key or a paste away; the status line under the text tells why.
class MessageEdit : public QPlainTextEdit {
public:
    explicit MessageEdit(QWidget* parent);

    // A command of the box's menu carried out by its owner instead of the box; available says
    // whether it has anything to do (when empty it is always offered).
    struct MenuCommand {
        std::function<void()> run;
        std::function<bool()> available;
    };
    // Undo and Redo of the box's menu, when the owner keeps the box's history itself.
    MenuCommand Undo, Redo;

    // The text exactly as held: line breaks as "\n", no-break spaces kept.
    QString RawText() const;
    void SetStatus(const QString& text);
    QString Status() const;
    bool StatusVisible() const;

    std::function<bool(QKeyEvent*)> KeyPressed; // true: the box never sees the key
    std::function<void(QKeyEvent*)> KeyReleased;
    std::function<void(QMouseEvent*)> MouseReleased;
    // The text a paste or drop puts in, as the owner fits it; nullopt refuses it.
    std::function<std::optional<QString>(const QString&)> FitInsert;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PlaceStatus();
    QLabel* status_;
};

} // namespace quillon::ui
