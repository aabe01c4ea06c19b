// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::btnSaveFile_Click(int) {}
void Form1::btnOpenFile_Click() {}

} // namespace quillon
