// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::LoadSettings() {}
void Form1::SaveSettings() {}
std::string Form1::GetScriptName(int) { return {}; }

} // namespace quillon
