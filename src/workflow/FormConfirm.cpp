// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

FormConfirm::FormConfirm(Form1& owner) : owner_(owner) {}
void FormConfirm::Form_Load() {}
void FormConfirm::btnYes_Click() {}
void FormConfirm::btnNo_Click() {}

} // namespace quillon
