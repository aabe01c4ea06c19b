// PLACEHOLDER: replaced by the real implementation.
#include "text/Validity.h"
namespace quillon {
bool IsInvalidNewMessage(std::string_view, std::string_view) { return false; }
std::string SizeCaption(long long) { return {}; }
}
