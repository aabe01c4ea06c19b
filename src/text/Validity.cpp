// The rules a new message must keep to be written safely, and the size captions.
#include "text/Validity.h"

#include <algorithm>

namespace quillon {

std::string NewMessageProblem(std::string_view newMessage, std::string_view original) {
    if (newMessage == original || newMessage.empty()) return {};
    const std::size_t n = newMessage.size();
    if (newMessage[n - 1] == '*' || (n >= 2 && newMessage[n - 2] == '*'))
        return "a control code needs two characters after its *";
    if (std::any_of(newMessage.begin(), newMessage.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return "it holds a control character (a byte below 32)";
    // Counted in full: a 16-bit count could make two different counts look equal.
    const auto stars = std::count(newMessage.begin(), newMessage.end(), '*');
    const auto originalStars = std::count(original.begin(), original.end(), '*');
    if (stars != originalStars)
        return "it has " + std::to_string(stars) + " * where the original has " +
               std::to_string(originalStars);
    if (newMessage.find("**") != std::string_view::npos) return "two * stand together";
    for (std::size_t i = 0; i + 2 < n; ++i)
        if (newMessage[i] == '*' && newMessage[i + 2] == '*')
            return "a * stands inside the control code of the * before it";
    return {};
}

std::string SizeCaption(long long bytes) {
    return bytes == 1 ? std::string("1 byte") : std::to_string(bytes) + " bytes";
}

} // namespace quillon
