// The editor's one Yes/No question window; it exists only while a question is open.
#pragma once

#include "workflow/Controls.h"

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

private:
    Form1& owner_;
};

} // namespace quillon
