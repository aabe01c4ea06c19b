// The rules that make a new message invalid, and the size captions.
#include "text/Validity.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Validity, TheFirstRuleThatAppliesDecides) {
    // new message, original, invalid
    const std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"a**\t", "a**\t", false},
        {"", "Hello*01", false},
        {"Hello*", "Hello", true},
        {"Hello*0", "Hello*01", true},
        {"*", "", true},
        {"Hel*lo", "Hello", true},
        {"a**bc", "a*b*c", true},
        {"*a*bc", "x*y*z", true},
        {"Tab\there", "Tab", true},
        {"Two\r\nlines", "Two", true},
        {std::string("\0x", 2), "ab", true},
        {"Hi*01", "Yo*02", false},
        {"\x80\xFF caf\xE9", "x", false},
        {"a*bc*de", "*01*02", false}};
    for (const auto& [newMessage, original, invalid] : cases)
        EXPECT_EQ(IsInvalidNewMessage(newMessage, original), invalid) << '"' << newMessage << '"';
}

TEST(Validity, SizeCaptionsSayByteOnlyForOne) {
    EXPECT_EQ(SizeCaption(1), "1 byte");
    EXPECT_EQ(SizeCaption(0) + SizeCaption(-1) + SizeCaption(2), "0 bytes-1 bytes2 bytes");
}

} // namespace
} // namespace quillon
