// The rules that make a new message invalid, and the size captions.
#include "text/Validity.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Validity, EachRuleMakesANewMessageInvalid) {
    // new message, original
    const std::vector<std::pair<std::string, std::string>> valid = {
        {"a**\t", "a**\t"},        {"", "Hello*01"},      {"Hi*01", "Yo*02"},
        {"\x80\xFF caf\xE9", "x"}, {"a*bc*de", "*01*02"}, {"a\x7F b~", "x"}};
    const std::vector<std::pair<std::string, std::string>> invalid = {{"Hello*", "Hello"},
                                                                      {"Hello*0", "Hello*01"},
                                                                      {"*", ""},
                                                                      {"Hel*lo", "Hello"},
                                                                      {"a**bc", "a*b*c"},
                                                                      {"*a*bc", "x*y*z"},
                                                                      {"Tab\there", "Tab"},
                                                                      {"Two\r\nlines", "Two"},
                                                                      {std::string("\0x", 2), "ab"},
                                                                      {"Unit\x1Fsep", "Unit"},
                                                                      {"\x01", ""},
                                                                      {"\x1B[0m", "x"}};
    for (const auto& [newMessage, original] : valid)
        EXPECT_FALSE(IsInvalidNewMessage(newMessage, original)) << '"' << newMessage << '"';
    for (const auto& [newMessage, original] : invalid)
        EXPECT_TRUE(IsInvalidNewMessage(newMessage, original)) << '"' << newMessage << '"';
}

TEST(Validity, SizeCaptionsSayByteOnlyForOne) {
    EXPECT_EQ(SizeCaption(1) + SizeCaption(0) + SizeCaption(-1) + SizeCaption(2),
              "1 byte0 bytes-1 bytes2 bytes");
}

} // namespace
} // namespace quillon
