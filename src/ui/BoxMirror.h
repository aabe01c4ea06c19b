// The mirror of a message box: its bytes shown in the code page of the box's script, its
// selection, font and colours; typing, pasting, keys and clicks go back to the handlers.
#pragma once

#include "ui/CodePages.h"
#include "ui/Mirrors.h"

#include <functional>
#include <optional>

class QKeyEvent;
class QMouseEvent;

namespace quillon::ui {

class MessageEdit;

class BoxMirror : public ControlMirror {
public:
    struct Handlers {
        // Runs a handler and then brings every window up to date.
        std::function<void(const std::function<void()>&)> run;
        std::function<void(int& keyCode, int& shift)> keyDown;
        std::function<void(int keyCode, int shift)> keyUp;                    // may be empty
        std::function<void(int button, int shift, float x, float y)> mouseUp; // may be empty
    };
    // The box's font script picks the code page.
    BoxMirror(TextBox& box, MessageEdit* edit, Handlers handlers);
    void Sync() override;

    MessageEdit* Edit() const { return edit_; }
    const CodePage& Page() const { return *page_; }
    bool FellBack() const { return fellBack_; }

protected:
    QString ToolTip() const override;

private:
    int ScriptNumber() const;
    QString PageDescription() const;
    void UpdateStatus();
    void ShowBytes(const std::string& bytes, int caretByte);
    void ApplySelection();
    void ApplyLook();
    void Refuse(const QString& character, const QString& how);
    // The text as the box's page holds it, typographic signs replaced (said in the box's
    // status line); nullopt, with the refusal said there, when it cannot hold the text.
    std::optional<QString> FitInsert(const QString& text, const QString& how);
    void OnEdited();
    void OnCaretMoved();
    bool OnKeyPressed(QKeyEvent* event);
    void OnKeyReleased(QKeyEvent* event);
    void OnMouseReleased(QMouseEvent* event);

    TextBox& box_;
    MessageEdit* edit_;
    Handlers handlers_;

    const CodePage* page_ = nullptr;
    bool fellBack_ = false;
    std::string shown_; // the bytes the widget shows
    bool textKnown_ = false;
    int selStart_ = -1, selLength_ = -1;
    int editPosition_ = 0; // where the last change of the widget's text began
    QString refusal_;
    QString pendingNote_; // what the next edit says in the status line (a replacement)
    std::optional<FontSpec> font_;
    std::optional<Colour> fore_, back_;
};

} // namespace quillon::ui
