// The .CUT reader on hand-built byte images: entries, trimming, limits and every error.
#include "formats/CutFormat.h"
#include "formats/Formats.h"
#include "support/CutImage.h"

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

TEST(CutReader, ReadsEveryEntryAndWhereTheBlockLies) {
    const std::vector<std::string> entries = {"abc", "", "Hello!!", ""};
    EXPECT_EQ(Read(CutBytes(entries, {.before = "\1\2\3\4", .tail = "\xA0", .flags = 9})),
              "[abc][][Hello!!][] 9 36 50 50 51");
    // Real messages are numbered in file order.
    const ReadResult read = ReadGameBytes(CutBytes(entries), "X.CUT", "X.CUT");
    EXPECT_EQ(read.document.Label(3) + read.document.Label(4), "2");

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
}

TEST(CutReader, TrimsSpacePairsInFrontOfTrailingCodesAtMostTwice) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Hello  *AB", "Hello*AB"}, {"Hello   ", "Hello "},  {"text  *AB  *CD", "text*AB*CD"},
        {"abc  ", "abc  "},         {"      ", ""},          {"a  *AB  *CD  *EF", "a  *AB*CD*EF"},
        {"  *AB", "  *AB"},         {"ab    *C", "ab    *C"}};
    for (const auto& [stored, text] : cases) {
        const CutReadResult r = ParseCutBytes(CutBytes({stored}), "X.CUT");
        ASSERT_EQ(r.entries.size(), 1u) << r.message;
        EXPECT_EQ(r.entries[0].text + "|" + std::to_string(r.entries[0].storedLength),
                  text + "|" + std::to_string(stored.size()));
    }
    EXPECT_EQ(TrimMessageEnd("text  *AB  *CD"), "text  *AB*CD"); // one layer per call
}

TEST(CutReader, ReportsEachBrokenFileWithOneLineNamingIt) {
    const std::string good =
        CutBytes({"Hello", "World", "again"}, {.before = "\1\2\3\4", .tail = ""});
    auto with = [&good](std::size_t at, const std::string& bytes) {
        return good.substr(0, at) + bytes + good.substr(at + bytes.size());
    };
    const std::vector<std::tuple<std::string, ReadFailure, std::string>> cases = {
        {with(0, "ambk"), ReadFailure::Foreign, "does not start with \"AmBk\""},
        {with(12, "Datas  X"), ReadFailure::Foreign, "is not \"Datas\""},
        {good.substr(0, 15) + "x", ReadFailure::Foreign, "is not \"Datas\""},
        {"", ReadFailure::Broken, "ends inside the memory bank header"},
        {good.substr(0, 19), ReadFailure::Broken, "ends inside the memory bank header"},
        {good.substr(0, 31), ReadFailure::Broken, "ends inside the cutscene data header"},
        {with(28, std::string("\0\x0B", 2)), ReadFailure::Broken, "start offset 11 is below 12"},
        {with(28, "\x80\x10"), ReadFailure::Broken, "start offset 32784 is beyond 32747"},
        {with(28, "\x7F\xEC"), ReadFailure::Broken, "start offset 32748 is beyond 32747"},
        {with(30, "\x7F\xEC"), ReadFailure::Broken, "end offset 32748 is beyond 32747"},
        {with(30, "\xFF\xFF"), ReadFailure::Broken, "end offset 65535 is beyond 32747"},
        {with(30, "\x7F\xEB"), ReadFailure::Broken, "ends inside message 4 of the text block"},
        {good.substr(0, 35), ReadFailure::Broken, "ends before its text block starts"},
        {good.substr(0, 42), ReadFailure::Broken, "ends inside message 2 of the text block"},
        {good.substr(0, good.size() - 1), ReadFailure::Broken, "ends inside message 3"}};
    for (const auto& [bytes, error, message] : cases) {
        const CutReadResult r = ParseCutBytes(bytes, "C12.CUT");
        EXPECT_EQ(r.failure, error) << message;
        EXPECT_TRUE(r.message.starts_with("C12.CUT: ")) << r.message;
        EXPECT_NE(r.message.find(message), std::string::npos) << r.message;
        EXPECT_EQ(r.message.find('\n'), std::string::npos);
    }
    EXPECT_TRUE(ParseCutBytes(CutBytes({"ab"}), "C12.CUT").ok()); // S = 12 is allowed
    // The smallest bank: the two headers and an empty block, 32 bytes, no messages at all.
    const std::string smallest = CutBytes({}, {.tail = ""});
    ASSERT_EQ(smallest.size(), 32u);
    EXPECT_EQ(Read(smallest), " 0 32 32 32 32");

    const ReadResult missing = ReadGameFile("/nonexistent folder/C12.CUT");
    EXPECT_EQ(missing.failure, ReadFailure::Unreadable);
    EXPECT_NE(missing.message.find("/nonexistent folder/C12.CUT"), std::string::npos);
}

} // namespace
} // namespace quillon
