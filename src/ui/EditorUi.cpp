// Building the main window from MainWindow's controls, and the run-then-sync cycle.
#include "ui/EditorUi.h"

#include "ui/BoxMirror.h"
#include "ui/ListMirror.h"
#include "ui/MirrorWidgets.h"
#include "ui/QtPlatform.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QProgressBar>
#include <QSlider>
#include <QTreeView>

#include <optional>

namespace quillon::ui {

namespace {

// The window was designed around a small dialog font; the two message boxes set their own.
// A face like the designed one is preferred, and the size shrinks until the fixed captions
// and the check boxes fit their designed widths, whatever fonts this system has.
QFont DialogFont(const MainWindow& f) {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica"), font.family()});
    for (double size = 8.0; size >= 6.5; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const auto& fixed : f.FixedLabels)
            fits = fits && metrics.horizontalAdvance(QString::fromStdString(fixed->Caption())) <=
                               Px(fixed->Width);
        for (const CheckBox* check :
             {&f.CheckConfirmCloseOrReplace, &f.CheckHighlight, &f.CheckHideControlCharacters})
            fits = fits && metrics.horizontalAdvance(QString::fromStdString(check->Caption)) + 22 <=
                               Px(check->Width);
        if (fits) break;
    }
    return font;
}

// Where a control of the main window goes when the user makes the window larger than designed:
// both message boxes widen with it and share the added height (the new box and the game's view
// beside it share the added width), the captions and the note between them go down with them, the
// frames right of them keep to the right edge, and the slider, the progress bar and the buttons
// below them keep to the bottom. The table, once brought in, covers what it covered. The rest keeps
// to the top left corner.
std::optional<Follow> FollowOf(const MainWindow& f, const Control& c) {
    const TextBox& upper = f.OriginalMessageBox;
    const TextBox& lower = f.NewMessageBox;
    // The new box shares the added width with the game's view beside it.
    constexpr double kShare = 0.65;
    if (&c == &upper) return Follow{0, 0, 1, 0.5};
    if (&c == &lower) return Follow{0, 0.5, kShare, 1};
    if (&c == &f.MessageNoteLabel) return Follow{0, 0.5, kShare, 0.5};
    if (&c == &f.PlayerViewBox) return Follow{kShare, 0.5, 1, 1};
    if (&c == &f.PlayerViewLabel) return Follow{kShare, 0.5, 1, 0.5};
    if (&c == &f.FrameOriginalMessage || &c == &f.FrameNewMessage || &c == &f.FrameSettings)
        return Follow{1, 0, 1, 0};
    if (&c == &f.MessageSlider || &c == &f.ReadProgressBar || &c == &f.FrameButtons)
        return Follow{0, 1, 1, 1};
    if (&c == &f.TableView) return Follow{0, 0, 1, 1};
    const bool betweenBoxes = c.Top >= upper.Top + upper.Height && c.Top < lower.Top &&
                              c.Left >= lower.Left && c.Left < lower.Left + lower.Width;
    if (f.ContainerOf(c) == nullptr && betweenBoxes) return Follow{0, 0.5, 0, 0.5};
    return std::nullopt;
}

} // namespace

EditorUi::EditorUi(MainWindow& form, QtPlatform& platform) : form_(form), platform_(platform) {
    BuildMain();
    platform_.SetDialogParent(main_.get());
    // A dialog opened by a handler shows over windows that already say what it is about.
    platform_.BeforeDialog = [this] { SyncAll(); };
    form_.ProgressChanged = [this](double value) { progress_->ShowNow(value); };
}

EditorUi::~EditorUi() {
    // Widgets going away move the focus about; none of that is the user's doing.
    syncing_ = true;
    form_.ProgressChanged = nullptr;
    platform_.BeforeDialog = nullptr;
    platform_.SetDialogParent(nullptr);
    for (AuxWindow* aux : {&confirm_, &about_, &help_, &find_, &project_})
        aux->Dismiss();
    // The widgets go before the mirrors that their signals call.
    table_ = nullptr;
    main_.reset();
}

QWidget* EditorUi::ParentOf(const Control& control) const {
    const Control* container = form_.ContainerOf(control);
    if (container == nullptr) return main_.get();
    auto it = widgets_.find(container);
    return it == widgets_.end() ? main_.get() : it->second;
}

void EditorUi::Track(const Control& control, QWidget* widget) {
    widgets_[&control] = widget;
    if (widget->focusPolicy() != Qt::NoFocus) {
        focusTargets_[widget] = const_cast<Control*>(&control);
        widget->installEventFilter(this);
    }
}

void EditorUi::BuildMain() {
    MainWindow& f = form_;
    main_ = std::make_unique<TopWindow>(f.Window, TopWindow::Placement::CentreOfScreen);
    main_->setFont(DialogFont(f));
    main_->minimumClientHeight = Px(f.FrameButtons.Top + f.FrameButtons.Height) + 3;
    main_->SurfaceDoubleClicked = [this] { Run([this] { form_.StepTableIntoView(); }); };
    // Before a file is open the close command is still there; closing then ends the program.
    main_->CloseRequested = [this] { Run([this] { form_.EndProgram(); }); };
    main_->Resized = [this] { OnMainResized(); };
    widgets_[&f.Window] = main_.get();

    // Frames first, outer before inner, so every control finds its container.
    for (Frame* frame :
         {&f.FileFrame, &f.OriginalFileFrame, &f.NewFileFrame, &f.FrameOriginalMessage,
          &f.FrameNewMessage, &f.FrameSettings, &f.FrameSettingsGeneral, &f.FrameSettingsOriginal,
          &f.FrameSettingsNew, &f.FrameButtons}) {
        auto* widget = new FrameBox(ParentOf(*frame));
        Track(*frame, widget);
        mirrors_.push_back(std::make_unique<FrameMirror>(*frame, widget));
    }

    for (const auto& fixed : f.FixedLabels) {
        auto* widget = new QLabel(ParentOf(*fixed));
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Track(*fixed, widget);
        mirrors_.push_back(std::make_unique<LabelMirror>(*fixed, widget));
    }

    enum class Kind { Plain, Swatch, Script, Face };
    auto label = [&](Label& source, Kind kind = Kind::Plain, const int* script = nullptr) {
        auto* widget = new ClickLabel(ParentOf(source));
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget->Clicked = [this, &source] {
            Run([&source] {
                if (source.Click) source.Click();
            });
        };
        Track(source, widget);
        if (kind == Kind::Script)
            mirrors_.push_back(std::make_unique<ScriptLabelMirror>(source, widget, *script));
        else if (kind == Kind::Face)
            mirrors_.push_back(std::make_unique<FaceLabelMirror>(source, widget));
        else
            mirrors_.push_back(std::make_unique<LabelMirror>(source, widget, kind == Kind::Swatch));
        return widget;
    };
    for (Label* value : f.ValueLabels())
        label(*value);
    for (auto [labels, style] : {std::pair{&f.OriginalFontPage, &f.State.OriginalStyle},
                                 std::pair{&f.NewFontPage, &f.State.NewStyle}}) {
        label(labels->Face, Kind::Face);
        label(labels->Size);
        label(labels->Style);
        label(labels->Script, Kind::Script, &style->Script);
    }
    label(f.OriginalBackgroundSwatch, Kind::Swatch);
    label(f.NewBackgroundSwatch, Kind::Swatch);
    // The click areas cover their whole group but lie under its labels: a click on a label
    // reaches the same handler, and the script label keeps its tooltip (the script number).
    for (auto* labels : {&f.OriginalFontPage, &f.NewFontPage}) {
        QWidget* area = label(labels->ClickArea);
        area->setCursor(Qt::PointingHandCursor);
        area->lower();
        for (Label* shown : {&labels->Face, &labels->Size, &labels->Style, &labels->Script})
            widgets_[shown]->setCursor(Qt::PointingHandCursor);
    }
    widgets_[&f.OriginalBackgroundSwatch]->setCursor(Qt::PointingHandCursor);
    widgets_[&f.NewBackgroundSwatch]->setCursor(Qt::PointingHandCursor);

    auto box = [&](TextBox& source, BoxMirror::Handlers handlers) {
        auto* widget = new MessageEdit(ParentOf(source));
        Track(source, widget);
        auto mirror = std::make_unique<BoxMirror>(source, widget, std::move(handlers));
        BoxMirror* raw = mirror.get();
        mirrors_.push_back(std::move(mirror));
        return raw;
    };
    auto run = [this](const std::function<void()>& handler) { Run(handler); };
    original_ = box(f.OriginalMessageBox,
                    {run, [this](int& k, int& s) { form_.OnOriginalBoxKeyDown(k, s); }, {}, {}});
    edited_ = box(f.NewMessageBox,
                  {run, [this](int& k, int& s) { form_.OnNewBoxKeyDown(k, s); },
                   [this](int k, int s) { form_.OnNewBoxKeyUp(k, s); },
                   [this](int b, int s, float x, float y) { form_.OnNewBoxMouseUp(b, s, x, y); }});
    box(f.PlayerViewBox, {run, {}, {}, {}});

    for (CheckBox* check :
         {&f.CheckConfirmCloseOrReplace, &f.CheckAlwaysOnTop, &f.CheckHighlight,
          &f.CheckRememberLastDirectory, &f.CheckAutoBackup, &f.CheckHideControlCharacters}) {
        auto* widget = new QCheckBox(ParentOf(*check));
        QObject::connect(widget, &QCheckBox::clicked, widget, [this, check] {
            Run([this, check] {
                form_.Focus.SetFocus(*check);
                check->UserClick();
            });
        });
        Track(*check, widget);
        mirrors_.push_back(std::make_unique<CheckMirror>(*check, widget));
    }

    for (OptionButton* option :
         {&f.OptionSettingsGeneral, &f.OptionSettingsOriginal, &f.OptionSettingsNew}) {
        auto* widget = new WrapButton(ParentOf(*option));
        QObject::connect(widget, &QPushButton::clicked, widget,
                         [this, option] { Run([option] { option->UserClick(); }); });
        Track(*option, widget);
        mirrors_.push_back(std::make_unique<OptionMirror>(*option, widget));
    }

    for (CommandButton* button :
         {&f.btnRestoreMessage, &f.btnClearMessage, &f.btnCopyOriginalMessage,
          &f.btnPreviousMessage, &f.btnNextMessage, &f.btnPreviousFile, &f.btnCloseFile,
          &f.btnNextFile, &f.btnSaveOriginalMessages, &f.btnSaveNewMessages, &f.btnLoadWorkFile,
          &f.btnWriteFile, &f.btnHelp, &f.btnAbout, &f.btnExit}) {
        auto* widget = new WrapButton(ParentOf(*button));
        QObject::connect(widget, &QPushButton::clicked, widget, [this, button] {
            Run([button] {
                if (button->Click) button->Click();
            });
        });
        Track(*button, widget);
        mirrors_.push_back(std::make_unique<ButtonMirror>(*button, widget));
    }

    auto* slider = new QSlider(Qt::Horizontal, ParentOf(f.MessageSlider));
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int value) {
        Run([this, value] {
            form_.MessageSlider.Value = value;
            if (form_.MessageSlider.Scroll) form_.MessageSlider.Scroll();
        });
    });
    Track(f.MessageSlider, slider);
    mirrors_.push_back(std::make_unique<SliderMirror>(f.MessageSlider, slider));

    auto* bar = new QProgressBar(ParentOf(f.ReadProgressBar));
    Track(f.ReadProgressBar, bar);
    auto progress = std::make_unique<ProgressMirror>(f.ReadProgressBar, bar);
    progress_ = progress.get();
    mirrors_.push_back(std::move(progress));

    // Last, so that once revealed it lies over everything else.
    table_ = new QTreeView(ParentOf(f.TableView));
    Track(f.TableView, table_);
    mirrors_.push_back(
        std::make_unique<ListMirror>(f.TableView, f.Doc, table_, *original_, *edited_));
    BuildWorkParts();
    FollowTheWindow();
}

void EditorUi::FollowTheWindow() {
    for (const auto& mirror : mirrors_) {
        auto* control = dynamic_cast<ControlMirror*>(mirror.get());
        if (control == nullptr) continue;
        if (const std::optional<Follow> follow = FollowOf(form_, control->Source())) {
            control->FollowGrowth(*follow, growth_);
            followers_.push_back(control);
        }
    }
}

// The controls follow every change of size at once; the headless window hears of the ones the
// user (or the window system) made, which the settings keep for the next run.
void EditorUi::OnMainResized() {
    if (const QSize growth = main_->Growth(); growth != growth_) {
        growth_ = growth;
        for (ControlMirror* follower : followers_)
            follower->Place();
        notice_->Place();
    }
    if (syncing_ || !main_->isVisible() || main_->isMinimized()) return;
    const bool maximized = main_->isMaximized();
    const double width = TopWindow::OuterWidth(main_->width());
    const double height = TopWindow::OuterHeight(main_->height());
    const WindowPart& window = form_.Window;
    if (maximized == window.Maximized &&
        (maximized || (width == window.UserWidth && height == window.UserHeight)))
        return;
    Run([this, width, height, maximized] {
        form_.Settings.OnWindowResized(width, height, maximized);
    });
}

// What the window has beyond its design: the notice over the new-message box, and the "File"
// frame's menu with the project window.
void EditorUi::BuildWorkParts() {
    MainWindow& f = form_;
    auto notice = std::make_unique<NoticeMirror>(f.Notice, main_.get(), edited_->Edit());
    notice_ = notice.get();
    mirrors_.push_back(std::move(notice));

    QWidget* frame = widgets_[&f.FileFrame];
    frame->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(frame, &QWidget::customContextMenuRequested, frame, [this, frame](QPoint at) {
        QMenu menu(frame);
        QAction* project = menu.addAction(QStringLiteral("Project overview...\tF9"));
        if (menu.exec(frame->mapToGlobal(at)) == project)
            Run([this] { form_.Tools.ShowProjectWindow(); });
    });
    // The message boxes keep no undo of their own: the editor's is per message, and the new
    // box's menu offers it.
    original_->Edit()->setUndoRedoEnabled(false);
    edited_->Edit()->setUndoRedoEnabled(false);
    edited_->Edit()->Undo = {[this] { Run([this] { form_.Edits.Undo(); }); },
                             [this] { return form_.Edits.CanUndo(); }};
    edited_->Edit()->Redo = {[this] { Run([this] { form_.Edits.Redo(); }); },
                             [this] { return form_.Edits.CanRedo(); }};
}

QWidget* EditorUi::WidgetOf(const Control& control) const {
    for (const auto* map : {&widgets_, &confirm_.widgets, &about_.widgets, &help_.widgets,
                            &find_.widgets, &project_.widgets}) {
        auto it = map->find(&control);
        if (it != map->end()) return it->second;
    }
    return nullptr;
}

MessageEdit* EditorUi::BoxOf(const TextBox& box) const {
    if (&box == &form_.OriginalMessageBox) return original_->Edit();
    if (&box == &form_.NewMessageBox) return edited_->Edit();
    return nullptr;
}

void EditorUi::Start() {
    Run([this] { form_.Start(); });
}

void EditorUi::Run(const std::function<void()>& handler) {
    // Once the program has ended no handler runs any more; the windows only follow.
    if (!form_.Ended) {
        ++depth_;
        handler();
        --depth_;
    }
    SyncAll();
}

void EditorUi::SyncAux(AuxWindow& aux, const void*& shownSource, const void* source,
                       const std::function<AuxWindow()>& build) {
    if (source != shownSource) {
        for (const auto& [control, widget] : aux.widgets)
            focusTargets_.erase(widget);
        aux.Dismiss();
        shownSource = source;
        if (source != nullptr) {
            aux = build();
            for (const auto& [control, widget] : aux.widgets) {
                if (widget == aux.window.data() || widget->focusPolicy() == Qt::NoFocus) continue;
                focusTargets_[widget] = const_cast<Control*>(control);
                widget->installEventFilter(this);
            }
            if (aux.window) aux.window->setWindowIcon(main_->windowIcon());
        }
    }
    aux.Sync();
}

void EditorUi::SyncAll() {
    if (syncing_) return;
    syncing_ = true;
    for (auto& mirror : mirrors_)
        mirror->Sync();
    main_->SyncWindow();

    auto run = [this](const std::function<void()>& handler) { Run(handler); };
    SyncAux(confirm_, confirmSource_, form_.Confirm.get(),
            [&] { return BuildQuestionView(*form_.Confirm, run, main_.get()); });
    SyncAux(about_, aboutSource_, form_.About.get(),
            [&] { return BuildAboutView(*form_.About, run, main_.get()); });
    SyncAux(help_, helpSource_, form_.Help.get(),
            [&] { return BuildHelpView(*form_.Help, run, main_.get()); });
    // A dialog that the find or project window opens (the project's work folder chooser, a
    // file that cannot be read) belongs to that window, so it stays above its owner.
    auto runOver = [this](const AuxWindow& aux) -> Runner {
        return [this, &aux](const std::function<void()>& handler) {
            QWidget* owner = aux.window ? static_cast<QWidget*>(aux.window) : main_.get();
            platform_.WithDialogParent(owner, [&] { Run(handler); });
        };
    };
    const bool findWasOpen = findSource_ != nullptr;
    SyncAux(find_, findSource_, form_.Tools.Find.get(), [&] {
        return BuildFindView(*form_.Tools.Find, runOver(find_), main_.get(), *original_, *edited_);
    });
    // Closing the find window hands the keyboard back to the main window.
    if (findWasOpen && findSource_ == nullptr && main_->isVisible()) main_->activateWindow();
    SyncAux(project_, projectSource_, form_.Tools.Project.get(),
            [&] { return BuildProjectView(*form_.Tools.Project, runOver(project_), main_.get()); });
    SyncFocus();
    syncing_ = false;
}

void EditorUi::SyncFocus() {
    const Control* current = form_.Focus.Current();
    if (current == nullptr) return;
    QWidget* widget = WidgetOf(*current);
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) return;
    if (widget->isWindow()) {
        if (!widget->isActiveWindow()) {
            widget->raise();
            widget->activateWindow();
        }
        return;
    }
    if (widget->window()->focusWidget() != widget || !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

bool EditorUi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !syncing_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Coming back to a window, or out of a popup, is not a move of the focus.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto it = focusTargets_.find(watched);
            if (it != focusTargets_.end() && form_.Focus.Current() != it->second) {
                Control* control = it->second;
                Run([this, control] { form_.Focus.SetFocus(*control); });
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillon::ui
