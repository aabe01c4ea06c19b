// What makes a new message invalid, and the size arithmetic the labels show.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Which rule the new message breaks, in a few words; empty when it breaks none. The rules: a
// "*" among its last two bytes, a byte below 32, a different number of "*" than the original,
// "**", or "*" two places after another "*". A new message equal to its original, or empty,
// is always valid.
std::string NewMessageProblem(std::string_view newMessage, std::string_view original);

// "1 byte" for one, otherwise the number followed by " bytes" (negative numbers included).
std::string SizeCaption(long long bytes);

} // namespace quillon
