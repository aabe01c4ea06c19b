// The rules a new message must keep to be written safely, and the size captions.
#include "text/Validity.h"

#include "text/ControlCodes.h"

#include <algorithm>
#include <array>

namespace quillon {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The codes the game reads, "*" left out; anything else it logs as unknown and skips.
bool IsKnownCode(std::string_view code) {
    static constexpr std::array<std::string_view, 8> kLetters = {"FL", "FR", "FF", "FB",
                                                                 "AO", "WT", "GD", "GM"};
    if (code.size() == 2 && IsDigit(code[0]) && IsDigit(code[1])) return true;
    return std::find(kLetters.begin(), kLetters.end(), code) != kLetters.end();
}

// "XYnn(xxx,yyy)": the game reads the numbers at fixed places.
bool IsPositionCode(std::string_view code) {
    static constexpr std::string_view kForm = "XY99(999,999)";
    if (code.size() != kForm.size()) return false;
    for (std::size_t i = 0; i < kForm.size(); ++i)
        if (kForm[i] == '9' ? !IsDigit(code[i]) : code[i] != kForm[i]) return false;
    return true;
}

} // namespace

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

std::string SpokenMessageProblem(std::string_view newMessage, std::string_view original) {
    if (std::string problem = NewMessageProblem(newMessage, original); !problem.empty())
        return problem;
    if (newMessage == original) return {};
    for (const std::string_view code : ControlCodesOf(newMessage)) {
        const std::string_view letters = code.substr(1);
        if (letters.starts_with("XY")) {
            if (!IsPositionCode(letters))
                return "the control code " + std::string(code) +
                       " is not of the form *XYnn(xxx,yyy)";
        } else if (!IsKnownCode(letters)) {
            return "unknown control code " + std::string(code);
        }
    }
    return {};
}

std::string CodeChangeWarning(std::string_view newMessage, std::string_view original) {
    if (newMessage == original) return {};
    const std::vector<std::string_view> codes = ControlCodesOf(newMessage);
    const std::vector<std::string_view> originals = ControlCodesOf(original);
    if (codes.size() != originals.size()) return {};
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] != originals[i])
            return "code " + std::to_string(i + 1) + " is " + std::string(codes[i]) +
                   " where the original has " + std::string(originals[i]) +
                   ": the animation changes";
    return {};
}

std::string SizeCaption(long long bytes) {
    return bytes == 1 ? std::string("1 byte") : std::to_string(bytes) + " bytes";
}

} // namespace quillon
