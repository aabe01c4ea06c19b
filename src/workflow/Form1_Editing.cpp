// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::CheckHideControlCharacters_Click() {}
void Form1::TextMessageGB_Change() {}
void Form1::TextMessageGR_Change() {}
void Form1::ValidateNewMessage() {}
void Form1::LabelCharactersNumberGB_Change() {}
void Form1::LabelCharactersNumberGR_Change() {}
void Form1::LabelControlCharsGB_Change() {}
void Form1::LabelControlCharsGR_Change() {}
void Form1::LabelBadMessages_Change() {}
void Form1::LabelBlankMessages_Change() {}

} // namespace quillon
