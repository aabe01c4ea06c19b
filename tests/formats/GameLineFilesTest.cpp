// QUEEN2.JAS and the two credits files of the installed game, read from its resource file: the
// sections agree with QUEEN.JAS, the lines to translate are counted, an unchanged file writes
// back byte for byte and a translated one reads back as written.
#include "formats/CrdFormat.h"
#include "formats/Formats.h"
#include "formats/JasFormat.h"
#include "res/ResourceFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace quillon {
namespace {

const std::filesystem::path kGame = "/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c";

// The entries of the installed game, or nothing (the test then skips, or fails on CI).
std::optional<std::vector<std::string>> GameEntries(const std::vector<std::string>& names) {
    if (!std::filesystem::exists(kGame)) return std::nullopt;
    ResourceInput input(kGame);
    const ResourceTableResult table = ReadResourceTable(input, kGame.string());
    EXPECT_TRUE(table.ok()) << table.error;
    std::vector<std::string> entries;
    for (const std::string& name : names) {
        const int at = table.table.Find(name);
        EXPECT_GE(at, 0) << name;
        std::string bytes;
        if (at >= 0) {
            const ResourceEntry& entry = table.table.entries[static_cast<std::size_t>(at)];
            EXPECT_TRUE(input.ReadInto(entry.offset, entry.size, bytes)) << input.error();
        }
        entries.push_back(std::move(bytes));
    }
    return entries;
}

#define GAME_ENTRIES_OR_SKIP(entries, ...)                                                         \
    const auto entries = GameEntries({__VA_ARGS__});                                               \
    if (!entries) {                                                                                \
        const char* ci = std::getenv("CI");                                                        \
        if (ci != nullptr && std::string(ci) == "true") FAIL() << kGame << " is not installed";    \
        GTEST_SKIP() << kGame << " is not installed";                                              \
    }

unsigned Word(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) * 256u + static_cast<unsigned char>(bytes[at + 1]);
}

TEST(GameLineFiles, TheSectionsOfQueen2JasAreThoseQueenJasCounts) {
    GAME_ENTRIES_OR_SKIP(entries, "QUEEN.JAS");
    // After the 20-byte header: rooms, object names, objects, descriptions.
    const std::string& queenJas = (*entries)[0];
    ASSERT_GE(queenJas.size(), 28u);
    EXPECT_EQ(Word(queenJas, 20), static_cast<unsigned>(jas::kRoomNames));
    EXPECT_EQ(Word(queenJas, 22), static_cast<unsigned>(jas::kObjectNames));
    EXPECT_EQ(Word(queenJas, 26), static_cast<unsigned>(jas::kDescriptions));
    EXPECT_EQ(FormatForFile("QUEEN.JAS"), nullptr);
}

TEST(GameLineFiles, EachFileWritesBackUnchangedAndReadsBackTranslated) {
    GAME_ENTRIES_OR_SKIP(entries, "QUEEN2.JAS", "CREDIT1.CRD", "CREDIT2.CRD");
    // The name, the lines, the lines to translate (unlocked, with text), the final line break.
    const std::vector<std::tuple<std::string, int, int, bool>> files = {
        {"QUEEN2.JAS", 1427, 780, true},
        {"CREDIT1.CRD", 159, 70, false},
        {"CREDIT2.CRD", 386, 178, false}};
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& [name, lines, toTranslate, finalBreak] = files[i];
        const std::string& source = (*entries)[i];
        ReadResult read = ReadGameBytes(source, name, name);
        ASSERT_TRUE(read.ok()) << read.message;
        Document& document = read.document;
        EXPECT_EQ(document.Count(), lines) << name;
        EXPECT_EQ(source.ends_with("\r\n"), finalBreak) << name;
        int count = 0;
        for (const Message& message : document.Messages())
            count += !message.locked && !message.original.empty();
        EXPECT_EQ(count, toTranslate) << name;

        for (int row = 1; row <= document.Count(); ++row)
            document.At(row).edited = document.At(row).original;
        const WriteResult same = document.format->Write(document, source);
        EXPECT_EQ(same.error, "") << name;
        EXPECT_TRUE(same.bytes == source) << name;

        for (int row = 1; row <= document.Count(); ++row) {
            Message& message = document.At(row);
            if (!message.locked && !message.original.empty())
                message.edited = "~" + message.original;
        }
        document.ValidateAll();
        EXPECT_EQ(document.Counts().invalid, 0) << document.InvalidList();
        EXPECT_EQ(document.format->CheckWritable(document), "") << name;
        const WriteResult translated = document.format->Write(document, source);
        ASSERT_EQ(translated.error, "") << name;
        const ReadResult again = ReadGameBytes(translated.bytes, name, name);
        ASSERT_TRUE(again.ok()) << again.message;
        ASSERT_EQ(again.document.Count(), lines);
        for (int row = 1; row <= lines; ++row) {
            EXPECT_EQ(again.document.At(row).original, document.At(row).edited) << row;
            EXPECT_EQ(again.document.At(row).locked, document.At(row).locked) << row;
        }
    }
}

} // namespace
} // namespace quillon
