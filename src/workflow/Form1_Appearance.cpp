// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::LabelFontOriginal_Click(int) {}
void Form1::LabelFontNew_Click(int) {}
void Form1::LabelBgColorOriginal_Click() {}
void Form1::LabelBgColorNew_Click() {}
void Form1::RemoveX(Window&) {}
void Form1::CheckAlwaysOnTop_Click() {}
void Form1::CheckConfirm_Click() {}
void Form1::CheckHighlight_Click() {}
void Form1::CheckRememberLastDirectory_Click() {}
void Form1::OptionSettingsGeneral_Click() {}
void Form1::OptionSettingsOriginal_Click() {}
void Form1::OptionSettingsNew_Click() {}
void Form1::btnAbout_Click() {}
void Form1::btnHelp_Click() {}

} // namespace quillon
