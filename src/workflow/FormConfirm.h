// The editor's one Yes/No question window; it exists only while a question is open.
#pragma once

#include "workflow/Controls.h"

#include <memory>
#include <string>

namespace quillon {

class Form1;

class FormConfirm {
public:
    explicit FormConfirm(Form1& owner);

    Window Form{"FormConfirm"};
    Label Label1{"Label1"};
    CommandButton btnYes{"btnYes"};
    CommandButton btnNo{"btnNo"};

    void Form_Load();
    void btnYes_Click();
    void btnNo_Click();

    // What every question does once the window exists: the main window disabled, the
    // designed height and button places, the focus on No.
    void OpenQuestion();
    // The question itself: where its text starts and what it says.
    void SetQuestion(double labelTop, const std::string& text);

    ~FormConfirm();

private:
    // Yes and No both re-enable the main window and destroy this window; gives back the
    // window so the caller can keep it alive until it no longer runs inside it.
    std::unique_ptr<FormConfirm> Close();

    Form1& owner_;
    Control* returnFocus_ = nullptr; // the main window's control that had the focus
};

} // namespace quillon
