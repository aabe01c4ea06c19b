// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

FormAbout::FormAbout(Form1& owner) : owner_(owner) {}
void FormAbout::Form_Load() {}
void FormAbout::LabelLink_Click(int) {}
void FormAbout::cmdOK_Click() {}
FormHelp::FormHelp(Form1& owner) : owner_(owner) {}
void FormHelp::Form_Load() {}
void FormHelp::cmdOK_Click() {}

} // namespace quillon
