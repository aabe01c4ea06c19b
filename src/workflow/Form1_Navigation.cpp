// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::ShowCurrentMessage() {}
void Form1::Slider1_Scroll() {}
void Form1::btnNextMessage_Click() {}
void Form1::btnPreviousMessage_Click() {}
void Form1::btnCopyOriginalMessage_Click() {}
void Form1::btnClearMessage_Click() {}
void Form1::btnRestoreMessage_Click() {}
void Form1::TextMessageGR_KeyDown(int&, int&) {}
void Form1::TextMessageGB_KeyDown(int&, int&) {}
void Form1::TextMessageGR_GotFocus() {}
void Form1::TextMessageGR_KeyUp(int, int) {}
void Form1::TextMessageGR_MouseUp(int, int, float, float) {}
void Form1::Form_DblClick() {}

} // namespace quillon
