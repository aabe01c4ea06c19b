// Numbers read from text as the editor has always read them.
#include "base/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(LeadingNumber, ReadsLikeValAndRoundsHalfToEvenIntoSixteenBits) {
    const std::vector<std::pair<std::string, double>> numbers = {
        {"", 0},      {"abc", 0}, {"  12abc", 12}, {"\t-3", -3}, {"+4", 4},
        {"1.5", 1.5}, {".5", .5}, {"7.", 7},       {"-", 0},     {".", 0},
        {"- 3", 0},   {"3 4", 3}, {"1e5", 1},      {"0012", 12}};
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));

    const std::vector<std::pair<std::string, int>> ints = {
        {"1.5", 2},           {"2.5", 2},       {"-2.5", -2}, {"-3.5", -4},
        {"2.51", 3},          {"32767", 32767}, {"32768", 0}, {"32767.5", 0},
        {"-32768.5", -32768}, {"-32768.6", 0},  {"007", 7},   {std::string(400, '9'), 0}};
    for (const auto& [text, value] : ints)
        EXPECT_EQ(LeadingInt16(text), value) << '"' << text << '"';
}

} // namespace
} // namespace quillon
