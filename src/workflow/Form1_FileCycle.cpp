// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::btnCloseFile_Click() {}
void Form1::btnNextFile_Click() {}
void Form1::btnPreviousFile_Click() {}
void Form1::btnExit_Click() {}

} // namespace quillon
