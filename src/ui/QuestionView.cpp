// The Yes/No question window, and the parts every small window shares.
#include "ui/AuxWindow.h"

#include "ui/MirrorWidgets.h"

namespace quillon::ui {

TopWindow* AuxWindow::Open(const WindowPart& form, TopWindow::Placement placement, QWidget* owner) {
    window = new TopWindow(form, placement, owner);
    // Every small window belongs to the main window: clicking the main window never buries it,
    // and it goes and comes back with it.
    if (owner != nullptr) window->KeepAbove(owner);
    widgets[&form] = window;
    return window;
}

std::function<void()> AuxWindow::Guarded(const Runner& run, std::function<void()> handler) const {
    return [alive = alive, run, handler = std::move(handler)] {
        if (*alive) run(handler);
    };
}

void AuxWindow::Sync() {
    if (!window) return;
    for (auto& mirror : mirrors)
        mirror->Sync();
    window->SyncWindow();
}

WrapButton* AuxWindow::AddButton(CommandButton& source, const Runner& run) {
    auto* widget = new WrapButton(window);
    QObject::connect(widget, &QPushButton::clicked, window, Guarded(run, [&source] {
                         if (source.Click) source.Click();
                     }));
    mirrors.push_back(std::make_unique<ButtonMirror>(source, widget));
    widgets[&source] = widget;
    return widget;
}

void AuxWindow::Dismiss() {
    *alive = false;
    mirrors.clear();
    widgets.clear();
    if (window) {
        window->Detach();
        window->hide();
        window->deleteLater();
    }
    window = nullptr;
}

AuxWindow BuildQuestionView(QuestionWindow& confirm, const Runner& run, QWidget* owner) {
    AuxWindow aux;
    // The main window is disabled while the question is open; it never hides it.
    TopWindow* window = aux.Open(confirm.Window, TopWindow::Placement::CentreOfScreen, owner);

    auto* label = new QLabel(window);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aux.mirrors.push_back(std::make_unique<LabelMirror>(confirm.QuestionLabel, label));
    aux.widgets[&confirm.QuestionLabel] = label;

    auto button = [&](CommandButton& source) {
        WrapButton* widget = aux.AddButton(source, run);
        // Enter and Space answer with the button that has the focus; none is the default.
        widget->setAutoDefault(true);
        return widget;
    };
    QWidget* yes = button(confirm.btnYes);
    QWidget* no = button(confirm.btnNo);
    QWidget::setTabOrder(no, yes);
    return aux;
}

} // namespace quillon::ui
