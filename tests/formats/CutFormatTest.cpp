// The .CUT reader and writer on hand-built byte images: entries, trimming, limits and every
// error read; parity padding, the rebuilt file's bytes, and what the writer refuses to write.
#include "formats/CutFormat.h"
#include "formats/Formats.h"
#include "support/CutImage.h"
#include "support/NewMessages.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CutBytes;

// The entries in brackets, then the bank flags and the positions the writer relies on.
std::string Read(const std::string& bytes) {
    const CutReadResult r = ParseCutBytes(bytes, "X.CUT");
    std::string out = r.message;
    for (const CutEntry& e : r.entries)
        out += "[" + e.text + "]";
    const CutLayout& at = r.layout;
    for (std::int64_t v : {std::int64_t{at.BankFlags}, at.TextStartPosition, at.TextEndPosition,
                           at.ReadPosition, at.FileSize})
        out += " " + std::to_string(v);
    return out;
}

TEST(CutReader, ReadsEveryEntryWhereTheBlockLiesTrimsAndReportsEachBrokenFileInOneLine) {
    // (How the messages are numbered is the document's test.)
    EXPECT_EQ(Read(CutBytes({"abc", "", "Hello!!", ""},
                            {.before = "\1\2\3\4", .tail = "\xA0", .flags = 9})),
              "[abc][][Hello!!][] 9 36 50 50 51");

    // The end offset E, not the file size, ends the block; an entry may run past it.
    const std::vector<std::pair<int, std::string>> ends = {
        {16 + 5, "[one][two] 0 36 41 44 54"},
        {16, " 0 36 36 36 54"},
        {13, " 0 36 33 36 54"},
        {16 + 14, "[one][two][three] 0 36 50 50 54"}};
    for (const auto& [end, read] : ends)
        EXPECT_EQ(Read(CutBytes({"one", "two", "three"}, {.before = "\1\2\3\4", .end = end})),
                  read);
    EXPECT_EQ(Read(CutBytes({"abc", std::string(255, 'z')}, {.tail = "", .end = 17})),
              "[abc][" + std::string(255, 'z') + "] 0 32 37 292 292");

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Hello  *AB", "Hello*AB"}, {"Hello   ", "Hello "},  {"text  *AB  *CD", "text*AB*CD"},
        {"abc  ", "abc  "},         {"      ", ""},          {"a  *AB  *CD  *EF", "a  *AB*CD*EF"},
        {"  *AB", "  *AB"},         {"ab    *C", "ab    *C"}};
    for (const auto& [stored, text] : cases) {
        const CutReadResult r = ParseCutBytes(CutBytes({stored}), "X.CUT");
        ASSERT_EQ(r.entries.size(), 1u) << r.message;
        EXPECT_EQ(r.entries[0].text, text);
    }
    EXPECT_EQ(TrimMessageEnd("text  *AB  *CD"), "text  *AB*CD"); // one layer per call

    // Each broken file is reported in one line naming it.
    const std::string good =
        CutBytes({"Hello", "World", "again"}, {.before = "\1\2\3\4", .tail = ""});
    auto with = [&good](std::size_t at, const std::string& bytes) {
        return good.substr(0, at) + bytes + good.substr(at + bytes.size());
    };
    const std::vector<std::tuple<std::string, ReadFailure, std::string>> broken = {
        {with(0, "ambk"), ReadFailure::Foreign, "does not start with \"AmBk\""},
        {with(12, "Datas  X"), ReadFailure::Foreign, "is not \"Datas\""},
        {good.substr(0, 15) + "x", ReadFailure::Foreign, "is not \"Datas\""},
        {"", ReadFailure::Broken, "ends inside the memory bank header"},
        {good.substr(0, 19), ReadFailure::Broken, "ends inside the memory bank header"},
        {good.substr(0, 31), ReadFailure::Broken, "ends inside the cutscene data header"},
        {with(28, std::string("\0\x0B", 2)), ReadFailure::Broken, "start offset 11 is below 12"},
        {with(28, "\x7F\xEC"), ReadFailure::Broken, "start offset 32748 is beyond 32747"},
        {with(30, "\x7F\xEC"), ReadFailure::Broken, "end offset 32748 is beyond 32747"},
        {with(30, "\x7F\xEB"), ReadFailure::Broken, "ends inside message 4 of the text block"},
        {good.substr(0, 35), ReadFailure::Broken, "ends before its text block starts"},
        {good.substr(0, 42), ReadFailure::Broken, "ends inside message 2 of the text block"},
        {good.substr(0, good.size() - 1), ReadFailure::Broken, "ends inside message 3"}};
    for (const auto& [bytes, error, message] : broken) {
        const CutReadResult r = ParseCutBytes(bytes, "C12.CUT");
        EXPECT_EQ(r.failure, error) << message;
        EXPECT_TRUE(r.message.starts_with("C12.CUT: ") &&
                    r.message.find(message) != std::string::npos &&
                    r.message.find('\n') == std::string::npos)
            << r.message;
    }
    // The smallest bank: the two headers and an empty block, 32 bytes, no messages at all.
    const std::string smallest = CutBytes({}, {.tail = ""});
    EXPECT_EQ(Read(smallest), " 0 32 32 32 32");
}

// The document the reader fills for these entries, with these new messages.
Document Edited(const std::vector<CutEntry>& entries, const std::vector<std::string>& news = {}) {
    Document document;
    document.format = &TheCutFormat();
    FillDocument(document, entries);
    return test::SetNews(document, news);
}

WriteResult Rebuild(const std::string& source, const std::vector<std::string>& news = {},
                    const std::string* onto = nullptr) {
    return test::Rewrite(TheCutFormat(), source, news, onto);
}

TEST(CutWriter, PadsRewritesOnlyTheLengthTheEndOffsetAndTheBlockAndRefusesWhatCannotBe) {
    std::vector<CutEntry> originals;
    // The last original is codes alone: left empty it keeps them.
    for (std::string text :
         {"abcdefg", "abcdef", "", "abcde", "abcdef", "abc", "abc", "abc", "abc", "*FR"})
        originals.push_back({text, static_cast<int>(text.size())});
    Document document =
        Edited(originals, {"Hola", "Salut!", "xyz", "", "Hi*01", "ab", "*AB*CD", "*a", "a*bc", ""});
    TheCutFormat().FitForWriting(document);
    std::string padded;
    for (const Message& message : document.Messages())
        padded += message.edited + "=" + std::to_string(message.edited.size()) + "|";
    EXPECT_EQ(padded, "Hola =5|Salut!=6|xyz=3| =1|Hi *01=6|ab =3| *AB*CD=7| *a=3|a *bc=5|*FR=3|");

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

    // Refused: what the format cannot hold, and a source that no longer matches.
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

    const std::string source = CutBytes({"Hello", "World"});
    std::string otherHeader = source, otherStart = source;
    otherHeader[0] = 'a';
    otherStart[29] = 0x11;
    for (const std::string& changed :
         {otherHeader, otherStart, source.substr(0, 44), source + "x", std::string("AmBk")}) {
        const WriteResult r = Rebuild(source, {}, &changed);
        EXPECT_TRUE(r.error.find("no longer matches") != std::string::npos && r.bytes.empty())
            << r.error;
    }
    // A message over 255 bytes is never written, even unchecked.
    EXPECT_NE(Rebuild(source, {"Hello", std::string(300, 'w')}).error.find("at most 255"),
              std::string::npos);
}

} // namespace
} // namespace quillon
