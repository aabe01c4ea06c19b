// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::btnCreateNewCUT_Click() {}
void Form1::ConfirmInvalidMessages() {}
void Form1::CreateNewCUT() {}
void Form1::ConfirmUpdateFile() {}
void Form1::ConfirmReplaceFile() {}
void Form1::SetConfirmWindowOnTop() {}
void Form1::CreateCUT() {}
void Form1::ConfirmYes() {}

} // namespace quillon
