// The Yes/No question window.
#include "ui/AuxWindow.h"

#include "ui/MirrorWidgets.h"

namespace quillon::ui {

void AuxWindow::Sync() {
    if (!window) return;
    for (auto& mirror : mirrors)
        mirror->Sync();
    window->SyncWindow();
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

AuxWindow BuildConfirmWindow(FormConfirm& confirm, const Runner& run, QWidget* owner) {
    AuxWindow aux;
    auto* window = new TopWindow(confirm.Form, TopWindow::Placement::CentreOfScreen, owner);
    // The main window is disabled while the question is open: it must never hide it.
    window->KeepAbove(owner);
    aux.window = window;
    aux.widgets[&confirm.Form] = window;

    auto* label = new QLabel(window);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aux.mirrors.push_back(std::make_unique<LabelMirror>(confirm.Label1, label));
    aux.widgets[&confirm.Label1] = label;

    std::shared_ptr<bool> alive = aux.alive;
    auto button = [&](CommandButton& source) {
        auto* widget = new WrapButton(window);
        // Enter and Space answer with the button that has the focus; none is the default.
        widget->setAutoDefault(true);
        QObject::connect(widget, &QPushButton::clicked, window, [&source, run, alive] {
            if (*alive)
                run([&source] {
                    if (source.Click) source.Click();
                });
        });
        aux.mirrors.push_back(std::make_unique<ButtonMirror>(source, widget));
        aux.widgets[&source] = widget;
        return widget;
    };
    QWidget* yes = button(confirm.btnYes);
    QWidget* no = button(confirm.btnNo);
    QWidget::setTabOrder(no, yes);
    return aux;
}

} // namespace quillon::ui
