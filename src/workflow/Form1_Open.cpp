// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

void Form1::Form_Load() {}
void Form1::OpenFile(std::string) {}
void Form1::CloseFile() {}
void Form1::ParseCutFile(const std::string&) {}
void Form1::FindNextCutFile() {}
void Form1::FindPreviousCutFile() {}

} // namespace quillon
