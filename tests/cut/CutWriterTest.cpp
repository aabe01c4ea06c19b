// The .CUT writer: parity padding, the rebuilt file's bytes, and what it refuses to write.
#include "cut/CutFile.h"
#include "support/CutImage.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CutBytes;

void SetNew(MessageTable& table, int row, const std::string& text) {
    table.SetCell(row, ColNewMessage, text);
    table.SetCell(row, ColNewLength, std::to_string(text.size()));
}

MessageTable TableOf(const CutReadResult& read) {
    MessageTable table;
    NumberingState state;
    FillMessageTable(table, state, read.entries);
    return table;
}

TEST(CutWriter, PadsEachNewMessageToItsOriginalsParity) {
    // original, new message, padded message, new length
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> cases = {
        {"abcdefg", "Hola", "Hola ", "5"},
        {"abcdef", "Salut!", "Salut!", "6"},
        {"", "xyz", "xyz", "3"},
        {"abcde", "", " ", "1"},
        {"abcdef", "Hi*01", "Hi *01", "6"},
        {"abc", "ab", "ab  ", "3"},
        {"abc", "*AB*CD", " *AB*CD", "7"},
        {"abc", "*a", " *a", "3"},
        {"abc", "a*bc", "a *bc", "5"}};
    MessageTable table;
    NumberingState state;
    for (const auto& [original, text, padded, length] : cases) {
        table.AddMessageRow(state, original);
        SetNew(table, table.Count(), text);
    }
    PadForParity(table);
    for (int row = 1; row <= table.Count(); ++row) {
        EXPECT_EQ(table.Cell(row, ColNewMessage), std::get<2>(cases[row - 1])) << row;
        EXPECT_EQ(table.Cell(row, ColNewLength), std::get<3>(cases[row - 1])) << row;
    }
}

TEST(CutWriter, RewritesOnlyTheLengthTheEndOffsetAndTheTextBlock) {
    const std::string before("\xFF\x00\x7F data", 8), after("\x00\x01rest", 6);
    const std::string source = CutBytes({"Hello  *AB", "", "x", "abc", "Hi*01"},
                                        {.before = before, .tail = after, .flags = 10});
    const CutReadResult read = ParseCutBytes(source, "C12.CUT");
    MessageTable table = TableOf(read);
    SetNew(table, 1, "Hola*AB");
    SetNew(table, 4, "abcd");
    SetNew(table, 5, std::string("N\0*01", 5)); // a zero byte goes out as it is
    ASSERT_EQ(CheckCutWritable(table, read.layout), "");
    PadForParity(table);
    const CutBuildResult built = BuildCutBytes(source, table, read.layout);
    ASSERT_EQ(built.error, "");

    const std::string block = std::string("\x08Hola *AB\0\1x\5abcd \5N\0*01", 24);
    const std::string expected = source.substr(0, 30) + std::string(1, 0) +
                                 static_cast<char>(20 + block.size()) + source.substr(32, 8) +
                                 block + after;
    ASSERT_EQ(built.bytes.size(), expected.size());
    EXPECT_EQ(built.bytes.substr(12), expected.substr(12));
    EXPECT_EQ(built.bytes.substr(0, 8), expected.substr(0, 8));
    const std::size_t n = expected.size() - 12;
    EXPECT_EQ(built.bytes.substr(8, 4), std::string({'\xA0', 0, 0, static_cast<char>(n)}));
}

TEST(CutWriter, UnchangedMessagesGiveBackTheSourceByteForByte) {
    const std::string source =
        CutBytes({"First*01", "", "y", "Second*02*03", std::string(255, 'q')},
                 {.before = "\1\2", .tail = "tail", .flags = 15});
    const CutReadResult read = ParseCutBytes(source, "C12.CUT");
    MessageTable table = TableOf(read);
    for (int row = 1; row <= table.Count(); ++row)
        SetNew(table, row, table.Cell(row, ColOriginalMessage));
    PadForParity(table);
    EXPECT_EQ(BuildCutBytes(source, table, read.layout).bytes, source);
}

TEST(CutWriter, RefusesWhatTheFormatCannotHoldAndChangesNothing) {
    MessageTable table;
    NumberingState state;
    table.AddMessageRow(state, "ab");
    table.AddMessageRow(state, "abc");
    SetNew(table, 2, std::string(254, 'b')); // 255 once padded: fits
    const CutLayout layout{0, 32, 39, 39, 39};
    SetNew(table, 1, std::string(254, 'a'));
    EXPECT_EQ(CheckCutWritable(table, layout), "");
    SetNew(table, 1, std::string(255, 'a'));
    const MessageTable before = table;
    EXPECT_EQ(CheckCutWritable(table, layout),
              "Message 1 (row 1) would be 256 bytes long once padded; a message holds at most "
              "255 bytes.");
    EXPECT_EQ(table.Row(1), before.Row(1));

    MessageTable big; // a text block of 65523 bytes: it ends at 65535 when S is 12
    for (int i = 0; i < 256; ++i) {
        big.AddMessageRow(state, std::string(i < 255 ? 255 : 242, 'm'));
        SetNew(big, i + 1, big.Cell(i + 1, ColOriginalMessage));
    }
    EXPECT_EQ(CheckCutWritable(big, {0, 32, 0, 100, 100}), "");
    EXPECT_NE(CheckCutWritable(big, {0, 33, 0, 100, 100}).find("offset 65536"), std::string::npos);

    // The bank length holds 28 bits: a file of 2^28 + 11 bytes fits, one more does not.
    SetNew(table, 1, std::string(254, 'a')); // the two rows now take 511 bytes
    EXPECT_EQ(CheckCutWritable(table, {0, 32, 0, 0, (1LL << 28) - 532}), "");
    EXPECT_NE(CheckCutWritable(table, {0, 32, 0, 0, (1LL << 28) - 531}).find("268435468 bytes"),
              std::string::npos);
}

TEST(CutWriter, RefusesToBuildOnASourceThatNoLongerMatches) {
    const std::string source = CutBytes({"Hello", "World"});
    const CutReadResult read = ParseCutBytes(source, "C12.CUT");
    MessageTable table = TableOf(read);
    std::string otherHeader = source, otherStart = source;
    otherHeader[0] = 'a';
    otherStart[29] = 0x11;
    for (const std::string& changed :
         {otherHeader, otherStart, source.substr(0, 44), source + "x", std::string("AmBk")}) {
        const CutBuildResult r = BuildCutBytes(changed, table, read.layout);
        EXPECT_NE(r.error.find("no longer matches"), std::string::npos) << r.error;
        EXPECT_TRUE(r.bytes.empty());
    }
    SetNew(table, 2, std::string(300, 'w')); // never written, even unchecked
    EXPECT_NE(BuildCutBytes(source, table, read.layout).error.find("at most 255"),
              std::string::npos);
}

} // namespace
} // namespace quillon
