// The text files of the installed game, read from its resource file: the sections of QUEEN2.JAS
// agree with QUEEN.JAS, the lines to translate are counted, every file writes back byte for byte
// unchanged and a translated one reads back as written.
#include "document/Layout.h"
#include "formats/CutFormat.h"
#include "formats/DogFormat.h"
#include "formats/Formats.h"
#include "formats/JasFormat.h"
#include "res/ResourceFile.h"
#include "support/NewMessages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

namespace quillon {
namespace {

// The game's resource file: QUILLON_GAME, or where Debian installs it.
std::filesystem::path Game() {
    const char* named = std::getenv("QUILLON_GAME");
    return named ? named : "/usr/share/scummvm/flight-of-the-amazon-queen/queen.1c";
}

// Skips when the game is not installed, but fails on CI.
class GameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::filesystem::exists(Game())) return;
        const char* ci = std::getenv("CI");
        if (ci != nullptr && std::string(ci) == "true") FAIL() << Game() << " is missing on CI";
        GTEST_SKIP() << Game() << " is not installed";
    }
    // The entries whose names end so, by name.
    static std::map<std::string, std::string> Entries(const std::string& ending) {
        ResourceInput input(Game());
        const ResourceTableResult table = ReadResourceTable(input, "queen.1c");
        EXPECT_TRUE(table.ok()) << table.error;
        std::map<std::string, std::string> entries;
        for (const ResourceEntry& entry : table.table.entries)
            if (entry.name.ends_with(ending))
                input.ReadInto(entry.offset, entry.size, entries[entry.name]);
        return entries;
    }
};

// The document read from these bytes, its rows given these new texts (else their originals).
Document Edited(const std::string& bytes, const std::string& name,
                const std::vector<std::string>& news = {}) {
    ReadResult read = ReadGameBytes(bytes, name, name);
    EXPECT_TRUE(read.ok()) << read.message;
    return std::move(test::SetNews(read.document, news));
}

// Written back unchanged, then with these new texts and read back.
void RoundTrip(const std::string& bytes, const std::string& name,
               const std::vector<std::string>& news) {
    const Document same = Edited(bytes, name);
    EXPECT_TRUE(same.format->Write(same, bytes).bytes == bytes) << name;
    const Document document = Edited(bytes, name, news);
    const WriteResult translated = document.format->Write(document, bytes);
    ASSERT_EQ(translated.error, "") << name;
    const ReadResult again = ReadGameBytes(translated.bytes, name, name);
    ASSERT_TRUE(again.ok()) << again.message;
    ASSERT_EQ(again.document.Count(), document.Count());
    for (int row = 1; row <= document.Count(); ++row)
        EXPECT_EQ(std::pair(again.document.At(row).original, again.document.At(row).locked),
                  std::pair(news[static_cast<std::size_t>(row - 1)], document.At(row).locked))
            << row;
}

TEST_F(GameFiles, EachLineFileWritesBackUnchangedAndReadsBackTranslated) {
    std::map<std::string, std::string> entries = Entries(".CRD");
    entries.merge(Entries(".JAS"));
    // QUEEN.JAS, after its 20-byte header, counts the sections of QUEEN2.JAS: rooms, object
    // names, objects, descriptions.
    const std::string queenJas = entries["QUEEN.JAS"];
    entries.erase("QUEEN.JAS");
    ASSERT_GE(queenJas.size(), 28u);
    const auto word = [&queenJas](std::size_t at) {
        return static_cast<unsigned char>(queenJas[at]) * 256 +
               static_cast<unsigned char>(queenJas[at + 1]);
    };
    EXPECT_EQ(std::vector<int>({word(20), word(22), word(26)}),
              std::vector<int>({jas::kRoomNames, jas::kObjectNames, jas::kDescriptions}));
    // The lines, the lines to translate (unlocked, with text), the final line break.
    const std::map<std::string, std::tuple<int, int, bool>> files = {
        {"QUEEN2.JAS", {1427, 780, true}},
        {"CREDIT1.CRD", {159, 70, false}},
        {"CREDIT2.CRD", {386, 178, false}}};
    ASSERT_EQ(entries.size(), files.size());
    for (const auto& [name, source] : entries) {
        const auto& [lines, toTranslate, finalBreak] = files.at(name);
        const Document document = Edited(source, name);
        std::vector<std::string> news;
        int count = 0;
        for (const Message& m : document.Messages()) {
            const bool text = !m.locked && !m.original.empty();
            count += text;
            news.push_back(text ? "~" + m.original : m.original);
        }
        EXPECT_EQ(std::tuple(document.Count(), count, source.ends_with("\r\n")),
                  std::tuple(lines, toTranslate, finalBreak))
            << name;
        Document translated = Edited(source, name, news);
        translated.ValidateAll();
        EXPECT_EQ(translated.Counts().invalid, 0) << translated.InvalidList();
        RoundTrip(source, name, news);
    }
}

TEST_F(GameFiles, EachDialogueFileWritesBackUnchangedAndReadsBackTranslated) {
    const std::map<std::string, std::string> entries = Entries(".DOG");
    int rows = 0, none = 0, numbered = 0, onlyCodes = 0;
    const std::regex codes(R"((\*(XY\d\d\(\d+,\d+\)|..))+)");
    for (const auto& [name, bytes] : entries) {
        const Document d = Edited(bytes, name);
        rows += d.Count();
        numbered += d.NumberedCount();
        // Every message a different length: odd ones longer, even ones shorter.
        std::vector<std::string> news;
        for (const Message& m : d.Messages()) {
            none += m.original == "0";
            onlyCodes += m.number != 0 && std::regex_match(m.original, codes);
            news.push_back(m.locked       ? m.original
                           : m.number % 2 ? "Ja, " + m.original
                                          : m.original.substr(1));
        }
        RoundTrip(bytes, name, news);
    }
    // 2,489 slots; 2,408 with text: not "0" (31) and not only control codes ("*00", 50).
    EXPECT_EQ(std::vector<int>(
                  {static_cast<int>(entries.size()), rows, none, numbered, numbered - onlyCodes}),
              std::vector<int>({73, 2489, 31, 2458, 2408}));
}

TEST_F(GameFiles, QueenTwoJasLinesAreShownWhereTheEngineShowsThem) {
    const std::string bytes = Entries("QUEEN2.JAS").at("QUEEN2.JAS");
    Document d = Edited(bytes, "QUEEN2.JAS");
    using S = ShownAs;
    // Line, what it holds, how the game shows it.
    const std::vector<std::tuple<int, std::string, S>> lines = {
        {1, "I don't see anything special*24", S::Speech},
        {21, "c13e.CUT", S::Nothing},
        {980, "incredibly large stone statue", S::CommandName},
        {1050, "C1", S::Nothing},
        {1176, "open", S::CommandName},
        {1179, "----", S::Nothing},
        {1187, "to", S::CommandName},
        {1188, "It doesn't seem to open*03", S::Speech},
        {1216, "Nah, I'm gonna hold onto it for a while longer*14", S::Speech},
        {1217, "Close", S::JournalLabel},
        {1222, "No", S::JournalLabel},
        {1223, "Music Volume", S::Speech},
        {1228, d.At(1228).original, S::Nothing},
    };
    for (const auto& [line, text, shown] : lines) {
        EXPECT_EQ(d.At(line).original, text) << line;
        EXPECT_EQ(TheJasFormat().ShownAsOf(d, line), shown) << line;
    }
    // A name goes after every verb and into "use X on" and "give X to"; a verb and a link
    // word go with the widest name.
    const std::string statue = "incredibly large stone statue";
    const std::vector<SentenceFrame> name = TheJasFormat().SentencesOf(d, 980, 'E');
    ASSERT_EQ(name.size(), 11u);
    EXPECT_EQ(std::tuple(name[6].before, name[9].before, name[9].after, name[10].after),
              std::tuple("talk to ", "use ", " on", " to"));
    auto frames = [&](int line) {
        std::vector<std::string> all;
        for (const SentenceFrame& f : TheJasFormat().SentencesOf(d, line, 'E'))
            all.push_back(f.before + "|" + f.after);
        return all;
    };
    EXPECT_EQ(frames(1180), (std::vector<std::string>{"| " + statue, "| " + statue + " to"}));
    EXPECT_EQ(frames(1186), std::vector<std::string>{"use " + statue + " |"});
    EXPECT_TRUE(frames(1188).empty());
    // A translated verb makes "walk to ..." too wide for the command line: the verb warns.
    EXPECT_TRUE(LayoutWarningsOf(TheJasFormat(), d, 1185, 'F').empty());
    d.At(1185).edited = "se rendre tout doucement et sans bruit vers";
    const std::vector<std::string> warned = LayoutWarningsOf(TheJasFormat(), d, 1185, 'F');
    ASSERT_EQ(warned.size(), 1u);
    EXPECT_TRUE(warned[0].starts_with("\"se rendre tout doucement et sans bruit vers " + statue))
        << warned[0];
}

TEST_F(GameFiles, ACutsceneSpeaksItsSentencesButTheOneThatStartsTheCredits) {
    // Message 30 of C69G.CUT runs the second credits; the entries of just "*" are no message.
    const Document d = Edited(Entries("C69G.CUT").at("C69G.CUT"), "C69G.CUT");
    ASSERT_EQ(d.At(d.RowOfNumber(30)).original, "#credit2.crd");
    for (int row = 1; row <= d.Count(); ++row) {
        const int number = d.At(row).number;
        EXPECT_EQ(TheCutFormat().ShownAsOf(d, row),
                  number == 0 || number == 30 ? ShownAs::Nothing : ShownAs::Speech)
            << row;
    }
}

TEST_F(GameFiles, OnlyEnglishOptionsRunPastTheScreenInTheEnglishGame) {
    // The English menu cuts 23 of Joe's lines at x = 320; laid out as the other languages
    // lay them out (two lines at most), none is too wide, and nothing else is either.
    for (const std::string ending : {".DOG", ".CUT", ".JAS", ".CRD"}) {
        int english = 0, french = 0;
        for (const auto& [name, bytes] : Entries(ending)) {
            if (name == "QUEEN.JAS") continue;
            const Document d = Edited(bytes, name);
            english += LayoutWarnedRowsOf(d, 'E').count;
            french += LayoutWarnedRowsOf(d, 'F').count;
        }
        EXPECT_EQ(std::pair(english, french), std::pair(ending == ".DOG" ? 23 : 0, 0)) << ending;
    }
}

} // namespace
} // namespace quillon
