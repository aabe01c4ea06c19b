// Message boxes: bytes at the headless side, characters in the widget.
#include "ui/BoxMirror.h"

#include "editor/MainWindow.h"
#include "ui/Colours.h"
#include "ui/KeyCodes.h"
#include "ui/MirrorWidgets.h"
#include "ui/Twips.h"
#include "ui/UiText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace quillon::ui {

namespace {

bool SameFont(const FontSpec& a, const FontSpec& b) {
    return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold && a.Italic == b.Italic &&
           a.Underline == b.Underline && a.Strikethru == b.Strikethru;
}

} // namespace

BoxMirror::BoxMirror(TextBox& box, MessageEdit* edit, Handlers handlers)
    : ControlMirror(box, edit), box_(box), edit_(edit), handlers_(std::move(handlers)) {
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] { OnEdited(); });
    QObject::connect(edit_, &QPlainTextEdit::cursorPositionChanged, edit_,
                     [this] { OnCaretMoved(); });
    QObject::connect(edit_, &QPlainTextEdit::selectionChanged, edit_, [this] { OnCaretMoved(); });
    QObject::connect(edit_->document(), &QTextDocument::contentsChange, edit_,
                     [this](int position, int, int) { editPosition_ = position; });
    edit_->KeyPressed = [this](QKeyEvent* e) { return OnKeyPressed(e); };
    edit_->KeyReleased = [this](QKeyEvent* e) { OnKeyReleased(e); };
    edit_->MouseReleased = [this](QMouseEvent* e) { OnMouseReleased(e); };
    edit_->FitInsert = [this](const QString& text) {
        return FitInsert(text, QStringLiteral("nothing was pasted"));
    };
}

int BoxMirror::ScriptNumber() const {
    return box_.Font.Charset & 0xFF;
}

QString BoxMirror::PageDescription() const {
    const QString name =
        fellBack_ ? QStringLiteral("Western") : FromProgramText(ScriptName(ScriptNumber()));
    return QStringLiteral("%1 (%2)").arg(name, page_->Name());
}

QString BoxMirror::ToolTip() const {
    QString tip = ControlMirror::ToolTip();
    if (page_ == nullptr) return tip;
    const QString note = QStringLiteral("Text in the %1 code page").arg(PageDescription());
    return tip.isEmpty() ? note : tip + QLatin1Char('\n') + note;
}

void BoxMirror::UpdateStatus() {
    if (!refusal_.isEmpty()) {
        edit_->SetStatus(refusal_);
    } else if (fellBack_) {
        edit_->SetStatus(QStringLiteral("Script %1 has no code page here: text is shown and typed "
                                        "as Western (Windows-1252).")
                             .arg(ScriptNumber()));
    } else {
        edit_->SetStatus(QString());
    }
}

void BoxMirror::Sync() {
    const ScriptCodePage script = CodePageForScript(ScriptNumber());
    const bool pageChanged = script.page != page_;
    if (pageChanged || script.fellBack != fellBack_) {
        page_ = script.page;
        fellBack_ = script.fellBack;
        UpdateStatus();
    }
    ControlMirror::Sync();
    ApplyLook();
    if (edit_->isReadOnly() != box_.Locked) edit_->setReadOnly(box_.Locked);

    if (pageChanged || !textKnown_ || box_.Text() != shown_) {
        refusal_.clear();
        UpdateStatus();
        ShowBytes(box_.Text(), box_.SelStart);
        ApplySelection();
    } else if (box_.SelStart != selStart_ || box_.SelLength != selLength_) {
        ApplySelection();
    }
}

void BoxMirror::ShowBytes(const std::string& bytes, int caretByte) {
    QSignalBlocker block(edit_);
    shown_ = bytes;
    textKnown_ = true;
    edit_->setPlainText(BytesToText(shown_, *page_));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(TextPositionOf(shown_, caretByte));
    edit_->setTextCursor(cursor);
}

void BoxMirror::ApplySelection() {
    QSignalBlocker block(edit_);
    selStart_ = box_.SelStart;
    selLength_ = box_.SelLength;
    const int bytes = static_cast<int>(shown_.size());
    const int start = std::clamp(selStart_, 0, bytes);
    const int end = std::clamp(selStart_ + std::max(selLength_, 0), start, bytes);
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(TextPositionOf(shown_, start));
    cursor.setPosition(TextPositionOf(shown_, end), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

void BoxMirror::ApplyLook() {
    if (!font_ || !SameFont(*font_, box_.Font)) {
        font_ = box_.Font;
        QFont font(FromProgramText(box_.Font.Name));
        font.setPointSize(std::max(1, box_.Font.Size));
        font.setBold(box_.Font.Bold);
        font.setItalic(box_.Font.Italic);
        font.setUnderline(box_.Font.Underline);
        font.setStrikeOut(box_.Font.Strikethru);
        edit_->setFont(font);
    }
    if (fore_ != box_.ForeColor || back_ != box_.BackColor) {
        fore_ = box_.ForeColor;
        back_ = box_.BackColor;
        QPalette palette = edit_->palette();
        palette.setColor(QPalette::Text, ToQColor(box_.ForeColor));
        palette.setColor(QPalette::Base, ToQColor(box_.BackColor));
        edit_->setPalette(palette);
    }
}

void BoxMirror::Refuse(const QString& character, const QString& how) {
    refusal_ = page_->IsGameLetters()
                   ? QStringLiteral("%1 is not among the game's letters (%2): %3.")
                         .arg(DescribeCharacter(character), page_->Name(), how)
                   : QStringLiteral("%1 is not in the %2 code page: %3.")
                         .arg(DescribeCharacter(character), PageDescription(), how);
    UpdateStatus();
}

std::optional<QString> BoxMirror::FitInsert(const QString& text, const QString& how) {
    if (page_ == nullptr) return text;
    const FitResult fitted = FitToPage(text, *page_);
    if (!fitted.ok) {
        Refuse(fitted.badCharacter, how);
        return std::nullopt;
    }
    if (!fitted.replaced.isEmpty()) {
        // Said after the edit has gone through, which clears an older refusal.
        const QString where = page_->IsGameLetters()
                                  ? QStringLiteral("among the game's letters")
                                  : QStringLiteral("in the %1 code page").arg(PageDescription());
        pendingNote_ = QStringLiteral("Not %1, so typed as plain signs: %2.")
                           .arg(where, fitted.replaced.join(QStringLiteral(", ")));
    }
    return fitted.text;
}

void BoxMirror::OnEdited() {
    if (page_ == nullptr) return;
    const QString text = edit_->RawText();
    const EncodeResult encoded = TextToBytes(text, *page_);
    if (!encoded.ok) {
        // Whatever got past the key and paste checks (an input method, a drop) is undone.
        Refuse(encoded.badCharacter, QStringLiteral("the text was left as it was"));
        const QString before = BytesToText(shown_, *page_);
        ShowBytes(shown_, BytePositionOf(before, editPosition_, *page_));
        return;
    }
    const QTextCursor cursor = edit_->textCursor();
    const int anchor = BytePositionOf(text, cursor.anchor(), *page_);
    const int position = BytePositionOf(text, cursor.position(), *page_);
    const int start = std::min(anchor, position);
    const int length = std::abs(position - anchor);
    // The widget already shows these bytes, unless a letter was split into base and mark.
    shown_ = encoded.bytes;
    if (BytesToText(shown_, *page_) != text) ShowBytes(encoded.bytes, position);
    selStart_ = start;
    selLength_ = length;
    if (!refusal_.isEmpty() || !pendingNote_.isEmpty()) {
        refusal_ = std::exchange(pendingNote_, QString());
        UpdateStatus();
    }
    const std::string bytes = encoded.bytes;
    handlers_.run([&] {
        box_.SetText(bytes);
        // Typing leaves the caret where it is; only a handler that sets the text moves it.
        if (box_.Text() == bytes) {
            box_.SelStart = start;
            box_.SelLength = length;
        }
    });
}

void BoxMirror::OnCaretMoved() {
    if (page_ == nullptr) return;
    const QString text = edit_->RawText();
    if (BytesToText(shown_, *page_) != text) return; // mid-edit: OnEdited takes over
    const QTextCursor cursor = edit_->textCursor();
    const int anchor = BytePositionOf(text, cursor.anchor(), *page_);
    const int position = BytePositionOf(text, cursor.position(), *page_);
    box_.SelStart = selStart_ = std::min(anchor, position);
    box_.SelLength = selLength_ = std::abs(position - anchor);
}

bool BoxMirror::OnKeyPressed(QKeyEvent* event) {
    const int code = KeyCodeOf(event->key(), event->modifiers());
    if (code != 0 && handlers_.keyDown) {
        int keyCode = code;
        int shift = ShiftBitsOf(event->modifiers());
        handlers_.run([&] { handlers_.keyDown(keyCode, shift); });
        if (keyCode == 0) return true; // swallowed
    }
    const QString typed = event->text();
    // A read-only box takes no letters, so it has none to refuse.
    if (box_.Locked || typed.isEmpty() || !typed.at(0).isPrint()) return false;
    const std::optional<QString> fitted = FitInsert(typed, QStringLiteral("not typed"));
    if (!fitted) return true;
    if (*fitted == typed) return false;
    edit_->insertPlainText(*fitted); // the plain sign in place of the typographic one
    return true;
}

void BoxMirror::OnKeyReleased(QKeyEvent* event) {
    // A held key repeats its press but is released once, as the window system reports it.
    if (!handlers_.keyUp || event->isAutoRepeat()) return;
    const int code = KeyCodeOf(event->key(), event->modifiers());
    const int shift = ShiftBitsOf(event->modifiers());
    handlers_.run([&] { handlers_.keyUp(code, shift); });
}

void BoxMirror::OnMouseReleased(QMouseEvent* event) {
    if (!handlers_.mouseUp) return;
    const int button = MouseButtonOf(event->button());
    const int shift = ShiftBitsOf(event->modifiers());
    const QPointF at = event->position();
    handlers_.run([&] {
        handlers_.mouseUp(button, shift, static_cast<float>(Twips(1) * at.x()),
                          static_cast<float>(Twips(1) * at.y()));
    });
}

} // namespace quillon::ui
