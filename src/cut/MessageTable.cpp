// PLACEHOLDER: replaced by the real implementation.
#include "cut/MessageTable.h"
namespace quillon {
const std::array<const char*, kColumnCount> kColumnHeaders{};
double LeadingNumber(std::string_view) { return 0; }
std::int16_t LeadingInt16(std::string_view) { return 0; }
int MessageTable::FindRealAA(std::string_view) const { return 0; }
void MessageTable::AddMessageRow(NumberingState&, std::string, int, int, int) {}
}
