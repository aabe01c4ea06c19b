// The .CUT writer: parity padding, the rebuilt file's bytes, and what it refuses to write.
#include "CutImage.h"
#include "cut/CutFile.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CutImage;

struct Opened {
    std::string source;
    CutReadResult read;
    MessageTable table;
};

Opened Open(const CutImage& image) {
    Opened o;
    o.source = image.Bytes();
    o.read = ParseCutBytes(o.source, "C12.CUT");
    NumberingState state;
    FillMessageTable(o.table, state, o.read.entries);
    return o;
}

void SetNew(MessageTable& table, int row, const std::string& text) {
    table.SetCell(row, ColNewMessage, text);
    table.SetCell(row, ColNewLength, std::to_string(text.size()));
}

unsigned Field(const std::string& b, std::size_t at, int size) {
    unsigned v = 0;
    for (int i = 0; i < size; ++i)
        v = v * 256 + static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

TEST(CutWriter, PadsOneSpaceInFrontOfTheTrailingCodes) {
    const std::pair<std::string, std::string> cases[] = {
        {"Hello*AB", "Hello *AB"},
        {"", " "},
        {"*AB", " *AB"},
        {"ab", "ab  "},
        {"Hello", "Hello "},
        {"Hi*AB*CD", "Hi *AB*CD"},
        {"*a", " *a"},
        {"a*bc", "a *bc"},
        {"x*AB y", "x*AB y "},
    };
    for (const auto& [text, padded] : cases)
        EXPECT_EQ(PadMessageEnd(text), padded) << '"' << text << '"';
}

TEST(CutWriter, PadsEachNewMessageToItsOriginalsParity) {
    MessageTable table;
    NumberingState state;
    for (const char* original : {"abcdefg", "abcdef", "", "abcde", "abcdef", "abc"})
        table.AddMessageRow(state, original);
    SetNew(table, 1, "Hola");
    SetNew(table, 2, "Salut!");
    SetNew(table, 3, "xyz"); // an empty original is never padded
    SetNew(table, 4, "");
    SetNew(table, 5, "Hi*01");
    SetNew(table, 6, "ab"); // grows to "ab  " but only three bytes are written
    PadForParity(table);

    const std::pair<std::string, std::string> expected[] = {
        {"Hola ", "5"}, {"Salut!", "6"}, {"xyz", "3"}, {" ", "1"}, {"Hi *01", "6"}, {"ab  ", "3"},
    };
    for (int row = 1; row <= 6; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(table.Cell(row, ColNewMessage), expected[row - 1].first);
        EXPECT_EQ(table.Cell(row, ColNewLength), expected[row - 1].second);
    }
    EXPECT_EQ(PaddedLength(7, 4), 5);
    EXPECT_EQ(PaddedLength(6, 6), 6);
    EXPECT_EQ(PaddedLength(0, 3), 3);
    EXPECT_EQ(PaddedLength(5, 0), 1);
}

TEST(CutWriter, RewritesOnlyTheLengthTheEndOffsetAndTheTextBlock) {
    CutImage image;
    image.entries = {"Hello  *AB", "", "x", "abc", "Hi*01"};
    image.flags = 0xA;
    image.beforeText = std::string("\xFF\x00\x7F\x80 data", 9);
    image.afterText = std::string("\x00\x01rest of the bank", 18);
    Opened o = Open(image);
    ASSERT_TRUE(o.read.ok()) << o.read.message;
    ASSERT_EQ(o.table.Count(), 5);
    EXPECT_EQ(o.table.Cell(1, ColOriginalLength), "8");

    SetNew(o.table, 1, "Hola*AB");
    SetNew(o.table, 4, "abcd");
    SetNew(o.table, 5, std::string("N\0*01", 5)); // a zero byte goes out as it is
    ASSERT_EQ(CheckCutWritable(o.table, o.read.layout), "");
    PadForParity(o.table);
    const CutBuildResult built = BuildCutBytes(o.source, o.table, o.read.layout);
    ASSERT_EQ(built.error, "");
    const std::string& out = built.bytes;

    const std::string block =
        std::string("\x08Hola *AB\x00\x01x\x05", 13) + "abcd " + std::string("\x05N\0*01", 6);
    const std::size_t start = 20 + image.StartOffset();
    const std::size_t oldEnd = start + 11 + 1 + 2 + 4 + 6;
    ASSERT_EQ(out.size(), start + block.size() + image.afterText.size());
    EXPECT_EQ(out.substr(0, 8), o.source.substr(0, 8));
    EXPECT_EQ(Field(out, 8, 1) >> 4, 0xAu);
    EXPECT_EQ(Field(out, 8, 4) & 0x0FFFFFFF, out.size() - 12);
    EXPECT_EQ(out.substr(12, 18), o.source.substr(12, 18));
    EXPECT_EQ(Field(out, 30, 2), image.StartOffset() + block.size());
    EXPECT_EQ(out.substr(32, start - 32), o.source.substr(32, start - 32));
    EXPECT_EQ(out.substr(start, block.size()), block);
    EXPECT_EQ(out.substr(start + block.size()), o.source.substr(oldEnd));

    const CutReadResult again = ParseCutBytes(out, "C12.CUT");
    ASSERT_TRUE(again.ok()) << again.message;
    ASSERT_EQ(again.entries.size(), 5u);
    EXPECT_EQ(again.entries[0].text, "Hola *AB");
    EXPECT_EQ(again.entries[4].text, std::string("N\0*01", 5));
}

TEST(CutWriter, UnchangedMessagesGiveBackTheSourceByteForByte) {
    CutImage image;
    image.entries = {"First*01", "", "y", "Second line*02*03", std::string(255, 'q')};
    image.flags = 0xF;
    Opened o = Open(image);
    ASSERT_TRUE(o.read.ok());
    for (int row = 1; row <= o.table.Count(); ++row)
        SetNew(o.table, row, o.table.Cell(row, ColOriginalMessage));
    ASSERT_EQ(CheckCutWritable(o.table, o.read.layout), "");
    PadForParity(o.table);
    const CutBuildResult built = BuildCutBytes(o.source, o.table, o.read.layout);
    ASSERT_EQ(built.error, "");
    EXPECT_EQ(built.bytes, o.source);
}

TEST(CutWriter, RefusesWhatTheFormatCannotHoldAndChangesNothing) {
    MessageTable table;
    NumberingState state;
    table.AddMessageRow(state, "ab");
    table.AddMessageRow(state, "abc");
    SetNew(table, 1, std::string(254, 'a')); // even: fits
    SetNew(table, 2, std::string(254, 'b')); // odd original: 255 once padded
    CutLayout layout;
    layout.TextStartPosition = 32;
    layout.ReadPosition = 32 + 3 + 4;
    layout.FileSize = layout.ReadPosition;
    EXPECT_EQ(CheckCutWritable(table, layout), "");

    SetNew(table, 1, std::string(255, 'a')); // even original: 256 once padded
    const MessageTable before = table;
    const std::string refused = CheckCutWritable(table, layout);
    EXPECT_NE(refused.find("Message 1 (row 1)"), std::string::npos) << refused;
    EXPECT_NE(refused.find("256 bytes"), std::string::npos) << refused;
    for (int row = 1; row <= 2; ++row)
        EXPECT_EQ(table.Row(row), before.Row(row));

    // The text end offset: 65535 is the last one the file can hold.
    MessageTable big;
    for (int i = 0; i < 256; ++i) {
        big.AddMessageRow(state, std::string(i < 255 ? 255 : 242, 'm'));
        SetNew(big, big.Count(), big.Cell(big.Count(), ColOriginalMessage));
    }
    layout.ReadPosition = 32 + 255 * 256 + 243;
    layout.FileSize = layout.ReadPosition;
    EXPECT_EQ(CheckCutWritable(big, layout), "");
    layout.TextStartPosition = 33;
    layout.ReadPosition += 1;
    layout.FileSize += 1;
    EXPECT_NE(CheckCutWritable(big, layout).find("offset 65536"), std::string::npos);
    layout.TextStartPosition = 32;

    // The bank length: 28 bits, counted on the whole new file.
    MessageTable one;
    one.AddMessageRow(state, "ab");
    SetNew(one, 1, "ab");
    layout.ReadPosition = 35;
    layout.FileSize = 35 + (1LL << 28) - 24; // the new file is 2^28 + 11 bytes
    EXPECT_EQ(CheckCutWritable(one, layout), "");
    layout.FileSize += 1;
    EXPECT_NE(CheckCutWritable(one, layout).find("268435468 bytes"), std::string::npos)
        << CheckCutWritable(one, layout);
}

TEST(CutWriter, BuildingRefusesASourceThatNoLongerMatchesOrAnOversizedTable) {
    CutImage image;
    image.entries = {"Hello", "World"};
    Opened o = Open(image);
    ASSERT_TRUE(o.read.ok());
    SetNew(o.table, 1, "Hallo");
    SetNew(o.table, 2, "Welt!");

    std::string badHeader = o.source;
    badHeader[0] = 'a';
    const std::string cut = o.source.substr(0, o.read.layout.TextStartPosition + 8);
    std::string moved = o.source;
    moved[29] = static_cast<char>(moved[29] + 1);
    const std::string grown = o.source + "x";
    for (const std::string& source : {badHeader, cut, moved, grown, std::string("AmBk")}) {
        const CutBuildResult r = BuildCutBytes(source, o.table, o.read.layout);
        EXPECT_NE(r.error.find("no longer matches"), std::string::npos) << r.error;
        EXPECT_TRUE(r.bytes.empty());
    }
    EXPECT_NE(BuildCutBytes(cut, o.table, o.read.layout).error.find("message 2"),
              std::string::npos);

    SetNew(o.table, 2, std::string(300, 'w'));
    const CutBuildResult tooLong = BuildCutBytes(o.source, o.table, o.read.layout);
    EXPECT_NE(tooLong.error.find("at most 255"), std::string::npos) << tooLong.error;
    EXPECT_TRUE(tooLong.bytes.empty());

    SetNew(o.table, 2, "Welt!");
    EXPECT_EQ(BuildCutBytes(o.source, o.table, o.read.layout).error, "");
}

} // namespace
} // namespace quillon
