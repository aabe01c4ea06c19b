// The rules that make a new message invalid, and the size captions.
#include "text/Validity.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Validity, TheFirstRuleThatAppliesDecides) {
    struct Case {
        std::string newMessage, original;
        bool invalid;
    };
    const Case cases[] = {
        {"a**\t", "a**\t", false}, // equal to its original, whatever it holds
        {"", "Hello*01", false},
        {"Hello*", "Hello", true},
        {"Hello*0", "Hello*01", true},
        {"*", "", true},
        {"Hel*lo", "Hello", true}, // 1 "*" against 0
        {"Hello*01", "Hello", true},
        {"a**bc", "a*b*c", true},
        {"*a*bc", "x*y*z", true},
        {"Tab\there", "Tab here", true},
        {"Two\r\nlines", "Two lines", true},
        {std::string("nul\0x", 5), "nul x", true},
        {"Hi*01", "Yo*02", false}, // the codes' bytes are not compared
        {"*01Hi*02", "*03Yo*04", false},
        {"\x80\xFF caf\xE9", "x", false}, // high bytes are characters, not controls
        {"x", "", false},
        {"a*bc*de", "*01*02", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInvalidNewMessage(c.newMessage, c.original), c.invalid)
            << '"' << c.newMessage << "\" against \"" << c.original << '"';
}

TEST(Validity, SizeCaptionsSayByteOnlyForOne) {
    EXPECT_EQ(SizeCaption(1), "1 byte");
    EXPECT_EQ(SizeCaption(0), "0 bytes");
    EXPECT_EQ(SizeCaption(2), "2 bytes");
    EXPECT_EQ(SizeCaption(-1), "-1 bytes");
    EXPECT_EQ(SizeCaption(-2), "-2 bytes");
    EXPECT_EQ(SizeCaption(123456789012LL), "123456789012 bytes");
}

} // namespace
} // namespace quillon
