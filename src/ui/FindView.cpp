// The find window: the find text typed in the new box's code page, the three places to look,
// match case, Previous and Next, and what the last search found.
#include "ui/WorkWindows.h"

#include "ui/BoxMirror.h"
#include "ui/KeyCodes.h"
#include "ui/MirrorWidgets.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace quillon::ui {

namespace {

// A line edit whose owner hears every key first and can keep it from the edit.
class FindEdit : public QLineEdit {
public:
    explicit FindEdit(QWidget* parent) : QLineEdit(parent) {}
    std::function<bool(QKeyEvent*)> KeyPressed; // true: the edit never sees the key

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (KeyPressed && KeyPressed(event)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// A page's letters folded to lower case, or to their letters without accents, or both, where
// the page holds the folded letter too.
std::array<unsigned char, 256> FoldOf(const CodePage& page, bool foldCase, bool dropAccents) {
    std::array<unsigned char, 256> fold{};
    for (int byte = 0; byte < 256; ++byte) {
        QChar letter(page.CharOf(static_cast<unsigned char>(byte)));
        if (dropAccents && letter.decompositionTag() == QChar::Canonical)
            letter = letter.decomposition().at(0);
        if (foldCase) letter = letter.toLower();
        const int folded = page.ByteOf(letter.unicode());
        fold[static_cast<std::size_t>(byte)] =
            static_cast<unsigned char>(folded >= 0 ? folded : byte);
    }
    return fold;
}

// The find text: bytes of the new box's code page in the headless window, characters here.
class FindTextMirror : public ControlMirror {
public:
    FindTextMirror(FindWindow& find, FindEdit* edit, QLabel* status, const BoxMirror& original,
                   const BoxMirror& edited, Runner run, std::shared_ptr<bool> alive)
        : ControlMirror(find.TextFind, edit), find_(find), edit_(edit), status_(status),
          original_(original), edited_(edited), run_(std::move(run)), alive_(std::move(alive)) {
        QObject::connect(edit_, &QLineEdit::textEdited, edit_,
                         [this](const QString& text) { OnEdited(text); });
        edit_->KeyPressed = [this](QKeyEvent* event) { return OnKey(event); };
    }

    void Sync() override {
        ControlMirror::Sync();
        originalPage_ = &original_.Page();
        newPage_ = &edited_.Page();
        const TextBox& box = find_.TextFind;
        QSignalBlocker block(edit_);
        if (box.Text() != shown_) {
            shown_ = box.Text();
            edit_->setText(BytesToText(shown_, *newPage_));
        }
        if (box.SelStart != selStart_ || box.SelLength != selLength_) {
            selStart_ = box.SelStart;
            selLength_ = box.SelLength;
            edit_->setSelection(TextPositionOf(shown_, selStart_),
                                TextPositionOf(shown_, selStart_ + selLength_) -
                                    TextPositionOf(shown_, selStart_));
        }
    }

private:
    void OnEdited(const QString& text) {
        const EncodeResult forNew = TextToBytes(text, *newPage_);
        if (!forNew.ok) {
            // As in the message box: what the page cannot hold is not typed.
            status_->setText(QStringLiteral("%1 is not in the %2 code page of the new messages.")
                                 .arg(DescribeCharacter(forNew.badCharacter), newPage_->Name()));
            QSignalBlocker block(edit_);
            edit_->setText(BytesToText(shown_, *newPage_));
            return;
        }
        const EncodeResult forOriginal = TextToBytes(text, *originalPage_);
        shown_ = forNew.bytes;
        if (!*alive_) return;
        FindWindow& find = find_;
        const Runner run = run_; // this mirror may go while the handler runs
        run([&] {
            find.OnFindTextTyped(forNew.bytes,
                                 forOriginal.ok ? std::optional(forOriginal.bytes) : std::nullopt);
        });
    }

    bool OnKey(QKeyEvent* event) {
        const int code = KeyCodeOf(event->key(), event->modifiers());
        if (code == 0 || !*alive_) return false;
        int keyCode = code;
        int shift = ShiftBitsOf(event->modifiers());
        FindWindow& find = find_;
        const Runner run = run_; // Esc closes the window, and this mirror with it
        run([&] { find.OnFindTextKeyDown(keyCode, shift); });
        return keyCode == 0; // swallowed; the window may be gone by now
    }

    FindWindow& find_;
    FindEdit* edit_;
    QLabel* status_;
    const BoxMirror& original_;
    const BoxMirror& edited_;
    Runner run_;
    std::shared_ptr<bool> alive_;
    const CodePage* originalPage_ = nullptr;
    const CodePage* newPage_ = nullptr;
    std::string shown_;
    int selStart_ = -1, selLength_ = -1;
};

} // namespace

AuxWindow BuildFindView(FindWindow& find, const Runner& run, QWidget* owner,
                        const BoxMirror& original, const BoxMirror& edited) {
    AuxWindow aux;
    TopWindow* window = aux.Open(find.Window, TopWindow::Placement::NextToOwner, owner);
    window->CloseRequested = aux.Guarded(run, [&find] { find.Close(); });

    auto* caption = new QLabel(window);
    aux.mirrors.push_back(std::make_unique<LabelMirror>(find.LabelFind, caption));
    auto* status = new QLabel(window);
    status->setMinimumWidth(320);
    aux.mirrors.push_back(std::make_unique<LabelMirror>(find.LabelStatus, status));
    aux.widgets[&find.LabelFind] = caption;
    aux.widgets[&find.LabelStatus] = status;

    // The letters that fold together are the boxes' own, in the script each shows now. Once
    // the view is gone the boxes' mirrors may be too.
    find.Fold = [&original, &edited, alive = aux.alive](bool originalBox, bool foldCase,
                                                        bool dropAccents) {
        if (!*alive) return AsciiFold(foldCase, dropAccents);
        return FoldOf((originalBox ? original : edited).Page(), foldCase, dropAccents);
    };

    auto* edit = new FindEdit(window);
    edit->setMinimumWidth(240);
    aux.mirrors.push_back(
        std::make_unique<FindTextMirror>(find, edit, status, original, edited, run, aux.alive));
    aux.widgets[&find.TextFind] = edit;
    caption->setBuddy(edit);

    auto button = [&](CommandButton& source) {
        WrapButton* widget = aux.AddButton(source, run);
        widget->setMinimumSize(80, 24);
        return widget;
    };
    auto option = [&](OptionButton& source) {
        auto* widget = new WrapButton(window);
        widget->setMinimumSize(140, 24);
        QObject::connect(widget, &QPushButton::clicked, window,
                         aux.Guarded(run, [&source] { source.UserClick(); }));
        aux.mirrors.push_back(std::make_unique<OptionMirror>(source, widget));
        aux.widgets[&source] = widget;
        return widget;
    };
    auto* matchCase = new QCheckBox(window);
    QObject::connect(matchCase, &QCheckBox::clicked, window,
                     aux.Guarded(run, [&find] { find.CheckMatchCase.UserClick(); }));
    aux.mirrors.push_back(std::make_unique<CheckMirror>(find.CheckMatchCase, matchCase));
    aux.widgets[&find.CheckMatchCase] = matchCase;
    auto* ignoreAccents = new QCheckBox(window);
    QObject::connect(ignoreAccents, &QCheckBox::clicked, window,
                     aux.Guarded(run, [&find] { find.CheckIgnoreAccents.UserClick(); }));
    aux.mirrors.push_back(std::make_unique<CheckMirror>(find.CheckIgnoreAccents, ignoreAccents));
    aux.widgets[&find.CheckIgnoreAccents] = ignoreAccents;

    auto* grid = new QGridLayout(window);
    grid->setContentsMargins(10, 10, 10, 8);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(edit, 0, 1, 1, 3);
    grid->addWidget(button(find.btnPrevious), 0, 4);
    grid->addWidget(button(find.btnNext), 0, 5);
    auto* places = new QHBoxLayout;
    places->addWidget(option(find.OptionOriginal));
    places->addWidget(option(find.OptionNew));
    places->addWidget(option(find.OptionBoth));
    places->addSpacing(12);
    places->addWidget(matchCase);
    places->addWidget(ignoreAccents);
    places->addStretch();
    grid->addLayout(places, 1, 1, 1, 5);
    grid->addWidget(status, 2, 1, 1, 5);
    return aux;
}

} // namespace quillon::ui
