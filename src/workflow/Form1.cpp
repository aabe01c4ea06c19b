// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

Form1::Form1(Platform& platform_) : platform(platform_), CommonDialog1(platform_) { LayOut(); WireHandlers(); }
Form1::~Form1() = default;
void Form1::LayOut() {}
void Form1::WireHandlers() {}
void Form1::MsgBox(const std::string&, const std::string&, MsgIcon) {}
void Form1::EndProgram() {}

} // namespace quillon
