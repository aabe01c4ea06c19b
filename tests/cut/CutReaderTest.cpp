// The .CUT reader on hand-built byte images: entries, trimming, limits and every error.
#include "CutImage.h"
#include "cut/CutFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quillon {
namespace {

using test::CutImage;

std::vector<std::string> Texts(const CutReadResult& r) {
    std::vector<std::string> texts;
    for (const CutEntry& e : r.entries)
        texts.push_back(e.text);
    return texts;
}

TEST(CutReader, ReadsEveryEntryAndWhereTheBlockLies) {
    CutImage image;
    image.entries = {"abc", "", "Hello!!", ""};
    image.flags = 9;
    const std::string bytes = image.Bytes();
    const CutReadResult r = ParseCutBytes(bytes, "C12.CUT");

    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(Texts(r), (std::vector<std::string>{"abc", "", "Hello!!", ""}));
    EXPECT_EQ(r.entries[2].storedLength, 7);
    EXPECT_EQ(r.layout.BankFlags, 9);
    EXPECT_EQ(r.layout.TextStartPosition, 36);
    EXPECT_EQ(r.layout.TextEndPosition, 36 + 4 + 1 + 8 + 1);
    EXPECT_EQ(r.layout.ReadPosition, r.layout.TextEndPosition);
    EXPECT_EQ(r.layout.FileSize, static_cast<std::int64_t>(bytes.size()));

    MessageTable table;
    NumberingState state;
    FillMessageTable(table, state, r.entries);
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(table.Cell(2, ColRealAA), "");
    EXPECT_EQ(table.Cell(3, ColRealAA), "2");
    EXPECT_EQ(table.Cell(4, ColBlock), "1");
    EXPECT_EQ(state.MessageCount, 2);
}

TEST(CutReader, TrimsSpacePairsInFrontOfTrailingCodes) {
    struct Case {
        std::string stored, text;
    };
    const Case cases[] = {
        {"Hello  *AB", "Hello*AB"},
        {"Hello   ", "Hello "},
        {"text  *AB  *CD", "text*AB*CD"},     // needs both passes
        {"a  *AB  *CD  *EF", "a  *AB*CD*EF"}, // two passes at most
        {"abc  ", "abc  "},                   // five bytes are never trimmed
        {"      ", ""},
        {"  *AB", "  *AB"},
        {"*AB*CD", "*AB*CD"},
        {"ab    *C", "ab    *C"}, // "*C" is no code: nothing ends the text proper
    };
    for (const Case& c : cases) {
        CutImage image;
        image.entries = {c.stored};
        const CutReadResult r = ParseCutBytes(image.Bytes(), "X.CUT");
        ASSERT_TRUE(r.ok()) << r.message;
        ASSERT_EQ(r.entries.size(), 1u);
        EXPECT_EQ(r.entries[0].text, c.text) << '"' << c.stored << '"';
        EXPECT_EQ(r.entries[0].storedLength, static_cast<int>(c.stored.size()));
        EXPECT_EQ(r.entries[0].text.size() % 2, c.stored.size() % 2);
    }
    // On its own the rule takes one layer at a time.
    EXPECT_EQ(TrimMessageEnd("text  *AB  *CD"), "text  *AB*CD");
    EXPECT_EQ(TrimMessageEnd(""), "");
}

TEST(CutReader, TheEndOffsetDecidesWhichEntriesAreRead) {
    CutImage image;
    image.entries = {"one", "two", "three"};
    const unsigned s = image.StartOffset();

    image.endOffset = s + 5; // inside "two": it is read whole, "three" is not
    CutReadResult r = ParseCutBytes(image.Bytes(), "X.CUT");
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(Texts(r), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(r.layout.ReadPosition, 20 + s + 8);

    image.endOffset = s; // no text block at all
    r = ParseCutBytes(image.Bytes(), "X.CUT");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.entries.empty());
    EXPECT_EQ(r.layout.ReadPosition, r.layout.TextStartPosition);

    image.endOffset = s - 3; // an end before the start reads nothing either
    r = ParseCutBytes(image.Bytes(), "X.CUT");
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.entries.empty());

    image.entries = {"abc", std::string(255, 'z')};
    image.endOffset = s + 5; // the last entry starts inside and runs far past the end
    image.afterText = "";
    r = ParseCutBytes(image.Bytes(), "X.CUT");
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.layout.ReadPosition, r.layout.FileSize);
}

TEST(CutReader, ReportsEachBrokenFileWithOneLineNamingIt) {
    const std::string good = [] {
        CutImage image;
        image.entries = {"Hello", "World", "again"};
        image.afterText = "";
        return image.Bytes();
    }();
    auto with = [&good](std::size_t at, const std::string& bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    struct Case {
        const char* what;
        std::string bytes;
        CutError error;
        const char* message;
    };
    const Case cases[] = {
        {"lower-case magic", with(0, "ambk"), CutError::BadHeader, "does not start with \"AmBk\""},
        {"capital magic", with(0, "AMBK"), CutError::BadHeader, "does not start with \"AmBk\""},
        {"wrong name", with(12, "Datas  X"), CutError::BadHeader, "is not \"Datas\""},
        {"wrong and short", good.substr(0, 15) + "x", CutError::BadHeader, "is not \"Datas\""},
        {"empty", "", CutError::Truncated, "ends inside the memory bank header"},
        {"bank header cut", good.substr(0, 19), CutError::Truncated,
         "ends inside the memory bank header"},
        {"data header cut", good.substr(0, 31), CutError::Truncated,
         "ends inside the cutscene data header"},
        {"S below 12", with(28, std::string("\x00\x0B", 2)), CutError::OutOfLimits,
         "start offset 11 is below 12"},
        {"S high byte", with(28, "\x80\x10"), CutError::OutOfLimits,
         "start offset 32784 is beyond 32747"},
        {"S past 32747", with(28, "\x7F\xEC"), CutError::OutOfLimits,
         "start offset 32748 is beyond 32747"},
        {"E high byte", with(30, "\xFF\xFF"), CutError::OutOfLimits,
         "end offset 65535 is beyond 32747"},
        {"E past 32747", with(30, "\x7F\xEC"), CutError::OutOfLimits,
         "end offset 32748 is beyond 32747"},
        {"before the text", good.substr(0, 35), CutError::Truncated,
         "ends before its text block starts"},
        {"inside a length", good.substr(0, 36 + 6), CutError::Truncated,
         "ends inside message 2 of the text block"},
        {"inside a text", good.substr(0, good.size() - 1), CutError::Truncated,
         "ends inside message 3 of the text block"},
        {"E past the data", with(30, std::string("\x00\x40", 2)), CutError::Truncated,
         "ends inside message 4 of the text block"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CutReadResult r = ParseCutBytes(c.bytes, "C12.CUT");
        EXPECT_EQ(r.error, c.error);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.message.rfind("C12.CUT: ", 0), 0u) << r.message;
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_EQ(r.message.find('\n'), std::string::npos);
        EXPECT_TRUE(r.entries.empty());
    }
    // The limits themselves are fine.
    EXPECT_TRUE(ParseCutBytes(with(30, "\x7F\xEB"), "C12.CUT").error == CutError::Truncated);
    CutImage smallest;
    smallest.beforeText = "";
    smallest.entries = {"ab"};
    const CutReadResult r = ParseCutBytes(smallest.Bytes(), "C12.CUT");
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.layout.TextStartPosition, 32);
}

TEST(CutReader, ReadsFromDiskAndNamesWhatCannotBeRead) {
    const auto dir = std::filesystem::temp_directory_path() / "quillon-cut-reader-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    CutImage image;
    image.entries = {"Hi there"};
    {
        std::ofstream out(dir / "C01.CUT", std::ios::binary);
        out << image.Bytes();
    }
    const CutReadResult ok = ReadCutFile(dir / "C01.CUT");
    ASSERT_TRUE(ok.ok()) << ok.message;
    EXPECT_EQ(Texts(ok), std::vector<std::string>{"Hi there"});

    for (const auto& path : {dir / "missing.CUT", dir}) {
        const CutReadResult r = ReadCutFile(path);
        EXPECT_EQ(r.error, CutError::Unreadable);
        EXPECT_NE(r.message.find(path.string()), std::string::npos) << r.message;
    }
    std::ofstream(dir / "BAD.CUT", std::ios::binary) << "AMBK";
    const CutReadResult bad = ReadCutFile(dir / "BAD.CUT");
    EXPECT_EQ(bad.error, CutError::BadHeader);
    EXPECT_NE(bad.message.find("BAD.CUT: "), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace quillon
