// The question window: its designed layout, how a question opens, and what Yes and No do.
#include "workflow/Form1.h"

namespace quillon {

namespace {
constexpr double kDesignHeight = 1940; // a client area of 1560 under the title bar
constexpr double kDesignButtonTop = 1040;
} // namespace

FormConfirm::FormConfirm(Form1& owner) : owner_(owner) {
    Form.Caption = " Confirmation";
    Form.Width = 3960; // a client area of 3870 inside the frame
    Form.Height = kDesignHeight;
    Form.Visible = false;

    // The label is taller than the window: the window's height decides how much is seen.
    Label1.Left = 240;
    Label1.Top = 120;
    Label1.Width = 3375;
    Label1.Height = 4000;
    Label1.ForeColor = kDarkRed;
    Label1.SetCaption("There are invalid messages...");

    btnYes.Caption = "Yes";
    btnYes.Left = 420;
    btnYes.Top = kDesignButtonTop;
    btnYes.Width = 1215;
    btnYes.Height = 375;
    btnYes.Click = [this] { btnYes_Click(); };

    btnNo.Caption = "No";
    btnNo.Left = 2220;
    btnNo.Top = kDesignButtonTop;
    btnNo.Width = 1215;
    btnNo.Height = 375;
    btnNo.Click = [this] { btnNo_Click(); };
}

FormConfirm::~FormConfirm() {
    // Never leave the focus pointing into a window that is gone.
    Control* focused = owner_.Focus.Current();
    if (focused == &Form || focused == &Label1 || focused == &btnYes || focused == &btnNo)
        owner_.Focus.Clear();
}

void FormConfirm::Form_Load() {
    // Yes and No are the only ways out of a question.
    owner_.RemoveX(Form);
    Form.Visible = true;
}

void FormConfirm::OpenQuestion() {
    owner_.Form.Enabled = false;
    Form.Visible = true;
    Form.Height = kDesignHeight;
    btnYes.Top = kDesignButtonTop;
    btnNo.Top = kDesignButtonTop;
    // No comes first in the tab order, so Enter on a fresh question never answers Yes.
    Control* focused = owner_.Focus.Current();
    if (focused != &Form && focused != &Label1 && focused != &btnYes && focused != &btnNo)
        returnFocus_ = focused;
    owner_.Focus.SetFocus(btnNo);
}

void FormConfirm::SetQuestion(double labelTop, const std::string& text) {
    Label1.Top = labelTop;
    Label1.SetCaption(text);
}

std::unique_ptr<FormConfirm> FormConfirm::Close() {
    std::unique_ptr<FormConfirm> self;
    if (owner_.Confirm.get() == this) self = std::move(owner_.Confirm);
    owner_.Form.Enabled = true;
    Form.Visible = false;
    if (returnFocus_ != nullptr)
        owner_.Focus.SetFocus(*returnFocus_);
    else
        owner_.Focus.Clear();
    return self;
}

void FormConfirm::btnYes_Click() {
    // The window is already out of Form1's hands when Yes acts, so a new question (the save
    // dialog after the invalid-messages one) gets a fresh window; this one dies on return.
    Form1& owner = owner_;
    std::unique_ptr<FormConfirm> closing = Close();
    owner.ConfirmYes();
}

void FormConfirm::btnNo_Click() {
    std::unique_ptr<FormConfirm> closing = Close();
}

} // namespace quillon
