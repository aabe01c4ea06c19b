// PLACEHOLDER: replaced by the real implementation.
#include "workflow/Form1.h"

namespace quillon {

std::size_t LastSeparator(const std::string&) { return std::string::npos; }
std::string ChooseProgramFolder(const char*, const std::string&, const std::string&) { return {}; }

} // namespace quillon
