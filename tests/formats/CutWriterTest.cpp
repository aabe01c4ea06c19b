// The .CUT writer: parity padding, the rebuilt file's bytes, and what it refuses to write.
#include "formats/CutFormat.h"
#include "support/CutImage.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CutBytes;

// The document the reader fills for these entries, with these new messages (else the
// originals).
Document Edited(const std::vector<CutEntry>& entries, const std::vector<std::string>& news = {}) {
    Document document;
    document.format = &TheCutFormat();
    FillDocument(document, entries);
    for (int row = 1; row <= document.Count(); ++row)
        document.At(row).edited =
            news.empty() ? document.At(row).original : news.at(static_cast<std::size_t>(row - 1));
    return document;
}

// The source (or onto, when given) rebuilt by the layout read from the source, with these new
// messages padded as the editor pads them; no check runs first.
WriteResult Rebuild(const std::string& source, const std::vector<std::string>& news = {},
                    const std::string* onto = nullptr) {
    ReadResult read = TheCutFormat().Read(source, "C12.CUT");
    Document& document = read.document;
    for (int row = 1; row <= document.Count(); ++row)
        document.At(row).edited =
            news.empty() ? document.At(row).original : news.at(static_cast<std::size_t>(row - 1));
    TheCutFormat().FitForWriting(document);
    return TheCutFormat().Write(document, onto ? *onto : source);
}

TEST(CutWriter, PadsEachNewMessageToItsOriginalsParity) {
    std::vector<CutEntry> originals;
    for (std::string text :
         {"abcdefg", "abcdef", "", "abcde", "abcdef", "abc", "abc", "abc", "abc"})
        originals.push_back({text, static_cast<int>(text.size())});
    Document document =
        Edited(originals, {"Hola", "Salut!", "xyz", "", "Hi*01", "ab", "*AB*CD", "*a", "a*bc"});
    TheCutFormat().FitForWriting(document);
    std::string padded;
    for (const Message& message : document.Messages())
        padded += message.edited + "=" + std::to_string(message.edited.size()) + "|";
    EXPECT_EQ(padded, "Hola =5|Salut!=6|xyz=3| =1|Hi *01=6|ab =3| *AB*CD=7| *a=3|a *bc=5|");
}

TEST(CutWriter, RewritesOnlyTheLengthTheEndOffsetAndTheTextBlock) {
    const test::CutParts around{.before = std::string("\xFF\x00\x7F data", 8),
                                .tail = std::string("\x00\x01rest", 6),
                                .flags = 10};
    const std::string zero("N\0*01", 5); // a zero byte goes out as it is
    EXPECT_EQ(Rebuild(CutBytes({"Hello  *AB", "", "x", "abc", "Hi*01"}, around),
                      {"Hola*AB", "", "x", "abcd", zero})
                  .bytes,
              CutBytes({"Hola *AB", "", "x", "abcd ", zero}, around));

    // Unchanged messages give back the source byte for byte, flags and long entries included.
    const std::string other = CutBytes({"First*01", "", "y", "Second*02*03", std::string(255, 'q')},
                                       {.before = "\1\2", .tail = "tail", .flags = 15});
    EXPECT_EQ(Rebuild(other).bytes, other);
}

TEST(CutWriter, RefusesWhatTheFormatCannotHold) {
    // 254 bytes and 255 once padded: both fit.
    Document table =
        Edited({{"ab", 2}, {"abc", 3}}, {std::string(254, 'a'), std::string(254, 'b')});
    std::vector<CutEntry> entries(256, {std::string(255, 'm'), 255});
    entries.back() = {std::string(242, 'm'), 242};
    Document big = Edited(entries); // a block of 65523 bytes: it ends at 65535 when S is 12
    auto check = [](Document& t, std::int64_t start, std::int64_t size) {
        auto layout = std::make_shared<CutLayout>();
        layout->TextStartPosition = start;
        layout->FileSize = size;
        t.layout = layout;
        return TheCutFormat().CheckWritable(t);
    };
    // The bank length holds 28 bits: a file of 2^28 + 11 bytes fits, one more does not.
    EXPECT_EQ(check(table, 32, 39) + check(big, 32, 100) + check(table, 32, (1LL << 28) - 532), "");
    EXPECT_NE(check(table, 32, (1LL << 28) - 531).find("268435468 bytes"), std::string::npos);
    EXPECT_NE(check(big, 33, 100).find("offset 65536"), std::string::npos);
    table.At(1).edited = std::string(255, 'a');
    EXPECT_EQ(check(table, 32, 39), "Message 1 (row 1) would be 256 bytes long once padded; a "
                                    "message holds at most 255 bytes.");
}

TEST(CutWriter, RefusesToBuildOnASourceThatNoLongerMatches) {
    const std::string source = CutBytes({"Hello", "World"});
    std::string otherHeader = source, otherStart = source;
    otherHeader[0] = 'a';
    otherStart[29] = 0x11;
    for (const std::string& changed :
         {otherHeader, otherStart, source.substr(0, 44), source + "x", std::string("AmBk")}) {
        const WriteResult r = Rebuild(source, {}, &changed);
        EXPECT_NE(r.error.find("no longer matches"), std::string::npos) << r.error;
        EXPECT_TRUE(r.bytes.empty());
    }
    // A message over 255 bytes is never written, even unchecked.
    EXPECT_NE(Rebuild(source, {"Hello", std::string(300, 'w')}).error.find("at most 255"),
              std::string::npos);
}

} // namespace
} // namespace quillon
