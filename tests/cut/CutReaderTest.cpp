// The .CUT reader on hand-built byte images: entries, trimming, limits and every error.
#include "cut/CutFile.h"
#include "support/CutImage.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::CutBytes;

std::string Texts(const CutReadResult& r) {
    std::string joined;
    for (const CutEntry& e : r.entries)
        joined += "[" + e.text + "]";
    return joined;
}

TEST(CutReader, ReadsEveryEntryAndWhereTheBlockLies) {
    const std::string bytes = CutBytes({"abc", "", "Hello!!", ""},
                                       {.before = "\x01\x02\x03\x04", .tail = "\xA0", .flags = 9});
    const CutReadResult r = ParseCutBytes(bytes, "C12.CUT");
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(Texts(r), "[abc][][Hello!!][]");
    EXPECT_EQ(r.layout.BankFlags, 9);
    EXPECT_EQ(r.layout.TextStartPosition, 36);
    EXPECT_EQ(r.layout.TextEndPosition, 36 + 14);
    EXPECT_EQ(r.layout.ReadPosition, 36 + 14);
    EXPECT_EQ(r.layout.FileSize, 36 + 14 + 1);

    MessageTable table;
    NumberingState state;
    FillMessageTable(table, state, r.entries);
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Cell(3, ColRealAA) + table.Cell(4, ColRealAA) + table.Cell(4, ColBlock), "21");
}

TEST(CutReader, TrimsSpacePairsInFrontOfTrailingCodesAtMostTwice) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Hello  *AB", "Hello*AB"},
        {"Hello   ", "Hello "},
        {"text  *AB  *CD", "text*AB*CD"},
        {"a  *AB  *CD  *EF", "a  *AB*CD*EF"},
        {"abc  ", "abc  "},
        {"      ", ""},
        {"  *AB", "  *AB"},
        {"ab    *C", "ab    *C"}};
    for (const auto& [stored, text] : cases) {
        const CutReadResult r = ParseCutBytes(CutBytes({stored}), "X.CUT");
        ASSERT_EQ(r.entries.size(), 1u) << r.message;
        EXPECT_EQ(r.entries[0].text, text) << '"' << stored << '"';
        EXPECT_EQ(r.entries[0].storedLength, static_cast<int>(stored.size()));
    }
    EXPECT_EQ(TrimMessageEnd("text  *AB  *CD"), "text  *AB*CD"); // one layer per call
}

TEST(CutReader, TheEndOffsetDecidesWhichEntriesAreRead) {
    const std::vector<std::string> entries = {"one", "two", "three"};
    const std::vector<std::pair<int, std::string>> cases = {
        {16 + 5, "[one][two]"}, {16, ""}, {13, ""}, {16 + 14, "[one][two][three]"}};
    for (const auto& [end, texts] : cases)
        EXPECT_EQ(Texts(ParseCutBytes(
                      CutBytes(entries, {.before = "\1\2\3\4", .tail = "", .end = end}), "X")),
                  texts);

    const CutReadResult r =
        ParseCutBytes(CutBytes({"abc", std::string(255, 'z')}, {.tail = "", .end = 17}), "X");
    ASSERT_TRUE(r.ok()) << r.message; // the last entry starts inside and runs far past the end
    EXPECT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.layout.ReadPosition, r.layout.FileSize);
}

TEST(CutReader, ReportsEachBrokenFileWithOneLineNamingIt) {
    const std::string good =
        CutBytes({"Hello", "World", "again"}, {.before = "\1\2\3\4", .tail = ""});
    auto with = [&good](std::size_t at, const std::string& bytes) {
        return good.substr(0, at) + bytes + good.substr(at + bytes.size());
    };
    const std::string zero(1, '\0');
    const std::vector<std::tuple<std::string, CutError, std::string>> cases = {
        {with(0, "ambk"), CutError::BadHeader, "does not start with \"AmBk\""},
        {with(0, "AMBK"), CutError::BadHeader, "does not start with \"AmBk\""},
        {with(12, "Datas  X"), CutError::BadHeader, "is not \"Datas\""},
        {good.substr(0, 15) + "x", CutError::BadHeader, "is not \"Datas\""},
        {"", CutError::Truncated, "ends inside the memory bank header"},
        {good.substr(0, 19), CutError::Truncated, "ends inside the memory bank header"},
        {good.substr(0, 31), CutError::Truncated, "ends inside the cutscene data header"},
        {with(28, zero + "\x0B"), CutError::OutOfLimits, "start offset 11 is below 12"},
        {with(28, "\x80\x10"), CutError::OutOfLimits, "start offset 32784 is beyond 32747"},
        {with(28, "\x7F\xEC"), CutError::OutOfLimits, "start offset 32748 is beyond 32747"},
        {with(30, "\x7F\xEC"), CutError::OutOfLimits, "end offset 32748 is beyond 32747"},
        {with(30, "\xFF\xFF"), CutError::OutOfLimits, "end offset 65535 is beyond 32747"},
        {with(30, "\x7F\xEB"), CutError::Truncated, "ends inside message 4 of the text block"},
        {good.substr(0, 35), CutError::Truncated, "ends before its text block starts"},
        {good.substr(0, 42), CutError::Truncated, "ends inside message 2 of the text block"},
        {good.substr(0, good.size() - 1), CutError::Truncated, "ends inside message 3"}};
    for (const auto& [bytes, error, message] : cases) {
        const CutReadResult r = ParseCutBytes(bytes, "C12.CUT");
        EXPECT_EQ(r.error, error) << message;
        EXPECT_EQ(r.message.rfind("C12.CUT: ", 0), 0u) << r.message;
        EXPECT_NE(r.message.find(message), std::string::npos) << r.message;
        EXPECT_EQ(r.message.find('\n'), std::string::npos);
    }
    EXPECT_TRUE(ParseCutBytes(CutBytes({"ab"}), "C12.CUT").ok()); // S = 12 is allowed

    const CutReadResult missing = ReadCutFile("/nonexistent folder/C12.CUT");
    EXPECT_EQ(missing.error, CutError::Unreadable);
    EXPECT_NE(missing.message.find("/nonexistent folder/C12.CUT"), std::string::npos);
}

} // namespace
} // namespace quillon
