// The rules a new message must keep to be written safely, and the size captions.
#include "text/Validity.h"

#include <algorithm>

namespace quillon {

bool IsInvalidNewMessage(std::string_view newMessage, std::string_view original) {
    if (newMessage == original || newMessage.empty()) return false;
    const std::size_t n = newMessage.size();
    // A code needs two bytes after its "*".
    if (newMessage[n - 1] == '*' || (n >= 2 && newMessage[n - 2] == '*')) return true;
    if (std::any_of(newMessage.begin(), newMessage.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return true;
    // Counted in full: a 16-bit count could make two different counts look equal.
    if (std::count(newMessage.begin(), newMessage.end(), '*') !=
        std::count(original.begin(), original.end(), '*'))
        return true;
    if (newMessage.find("**") != std::string_view::npos) return true;
    for (std::size_t i = 0; i + 2 < n; ++i)
        if (newMessage[i] == '*' && newMessage[i + 2] == '*') return true;
    return false;
}

std::string SizeCaption(long long bytes) {
    return bytes == 1 ? std::string("1 byte") : std::to_string(bytes) + " bytes";
}

} // namespace quillon
