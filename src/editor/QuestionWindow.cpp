// The question window: its designed layout, how a question opens, and what Yes and No do.
#include "editor/MainWindow.h"

namespace quillon {

namespace {
constexpr double kDesignHeight = 1940; // a client area of 1560 under the title bar
constexpr double kDesignButtonTop = 1040;
} // namespace

QuestionWindow::QuestionWindow(MainWindow& owner) : owner_(owner) {
    Window.Caption = " Confirmation";
    Window.Width = 3960; // a client area of 3870 inside the frame
    Window.Height = kDesignHeight;
    Window.Visible = false;

    // The label is taller than the window: the window's height decides how much is seen.
    QuestionLabel.Left = 240;
    QuestionLabel.Top = 120;
    QuestionLabel.Width = 3375;
    QuestionLabel.Height = 4000;
    QuestionLabel.ForeColor = kDarkRed;
    QuestionLabel.SetCaption("There are invalid messages...");

    btnYes.Caption = "Yes";
    btnYes.Left = 420;
    btnYes.Top = kDesignButtonTop;
    btnYes.Width = 1215;
    btnYes.Height = 375;
    btnYes.Click = [this] { OnYesClicked(); };

    btnNo.Caption = "No";
    btnNo.Left = 2220;
    btnNo.Top = kDesignButtonTop;
    btnNo.Width = 1215;
    btnNo.Height = 375;
    btnNo.Click = [this] { OnNoClicked(); };
}

QuestionWindow::~QuestionWindow() {
    // Never leave the focus pointing into a window that is gone.
    Control* focused = owner_.Focus.Current();
    if (focused == &Window || focused == &QuestionLabel || focused == &btnYes || focused == &btnNo)
        owner_.Focus.Clear();
}

void QuestionWindow::Prepare() {
    // Yes and No are the only ways out of a question.
    owner_.RemoveCloseButton(Window);
    Window.Visible = true;
}

void QuestionWindow::OpenQuestion() {
    owner_.Window.Enabled = false;
    Window.Visible = true;
    Window.Height = kDesignHeight;
    btnYes.Top = kDesignButtonTop;
    btnNo.Top = kDesignButtonTop;
    // No comes first in the tab order, so Enter on a fresh question never answers Yes.
    Control* focused = owner_.Focus.Current();
    if (focused != &Window && focused != &QuestionLabel && focused != &btnYes && focused != &btnNo)
        returnFocus_ = focused;
    owner_.Focus.SetFocus(btnNo);
}

void QuestionWindow::SetQuestion(double labelTop, const std::string& text) {
    QuestionLabel.Top = labelTop;
    QuestionLabel.SetCaption(text);
}

std::unique_ptr<QuestionWindow> QuestionWindow::Close() {
    std::unique_ptr<QuestionWindow> self;
    if (owner_.Confirm.get() == this) self = std::move(owner_.Confirm);
    owner_.Window.Enabled = true;
    Window.Visible = false;
    if (returnFocus_ != nullptr)
        owner_.Focus.SetFocus(*returnFocus_);
    else
        owner_.Focus.Clear();
    return self;
}

void QuestionWindow::OnYesClicked() {
    // The window is already out of MainWindow's hands when Yes acts, so a new question (the save
    // dialog after the invalid-messages one) gets a fresh window; this one dies on return.
    MainWindow& owner = owner_;
    std::unique_ptr<QuestionWindow> closing = Close();
    owner.OnQuestionAnsweredYes();
}

void QuestionWindow::OnNoClicked() {
    std::unique_ptr<QuestionWindow> closing = Close();
}

} // namespace quillon
