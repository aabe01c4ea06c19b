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

// The rules of a spoken message, whose codes the game reads (a cutscene, a dialogue, a
// description): NewMessageProblem's, then every code must be one the game knows: two digits
// (an animation), FL, FR, FF, FB (a way to face), AO, WT (a pause), GD, GM (a grab), or a
// position in the form *XYnn(xxx,yyy). A new message equal to its original, or empty, is
// always valid.
std::string SpokenMessageProblem(std::string_view newMessage, std::string_view original);

// For a changed spoken message with as many codes as its original: the first code that is not
// the original's code at the same place, as "code 2 is *04 where the original has *00: the
// animation changes"; empty when every code is the original's.
std::string CodeChangeWarning(std::string_view newMessage, std::string_view original);

// "1 byte" for one, otherwise the number followed by " bytes" (negative numbers included).
std::string SizeCaption(long long bytes);

} // namespace quillon
