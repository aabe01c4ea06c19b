// "po export" and "po import" on a small game laid out by the tests, with the catalogues edited
// by gettext's own tools (msgen, msgfilter, msgcat, msgmerge) as a translator's tools would.
#include "CliHarness.h"

#include "support/DogImage.h"
#include "support/ResourceImage.h"

#include <cstdlib>

using quillon::test::CutBytes;
using quillon::test::Dog;
using quillon::test::DogImage;
using quillon::test::ResEntry;
using quillon::test::ResourceBytes;

namespace {

// Message 2 is codes alone: nothing to translate. 0xE9 is "é" in the game's regular font.
const std::string kCut = CutBytes({"Hello there.*00", "*WT", "Who are you?*01*WT", "Caf\xE9."});
const std::string kCredits = ".C\r\nDirected by\r\nJohn Smith\r\nEND";
const std::string kDog = Dog(DogImage{});

// msgctxt of every entry, in file order.
std::string Contexts(const std::string& catalogue) {
    std::string contexts;
    for (std::size_t at = catalogue.find("\nmsgctxt \""); at != std::string::npos;
         at = catalogue.find("\nmsgctxt \"", at + 1)) {
        const std::size_t from = at + 10;
        contexts += catalogue.substr(from, catalogue.find('"', from) - from) + " ";
    }
    return contexts;
}

class PoTest : public CliTest {
protected:
    void SetUp() override {
        if (std::system("msgfmt --version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "gettext's tools are not installed";
        fs::create_directory(Path("game"));
        WriteBytes(Path("game/C1.CUT"), kCut);
        WriteBytes(Path("game/X.DOG"), kDog);
        WriteBytes(Path("game/CREDIT1.CRD"), kCredits);
    }
    // A gettext tool run in the scratch folder; its exit status.
    int Gettext(const std::string& command) const {
        return std::system(("cd '" + Path("").string() + "' && " + command).c_str());
    }
    std::string Run2(const std::string& line) const { return Outcome(RunLine(line)); }
};

} // namespace

TEST_F(PoTest, ExportGivesEveryMessageWithTextInTheGamesOrderWithNotes) {
    EXPECT_EQ(Run2("po export game -o game.pot"), "0|Entries exported: 10\n|");
    EXPECT_EQ(Gettext("msgfmt --check-format --check-header -o /dev/null game.pot 2>/dev/null"), 0);
    const std::string pot = ReadBytes(Path("game.pot"));
    // Codes alone (C1.CUT:2), the credits' directives and the dialogue's "0" lines are left out.
    EXPECT_EQ(Contexts(pot), "C1.CUT:1 C1.CUT:3 C1.CUT:4 CREDIT1.CRD:2 CREDIT1.CRD:3 X.DOG:1 "
                             "X.DOG:2 X.DOG:3 X.DOG:4 X.DOG:5 ");
    for (const char* expected :
         {"msgctxt \"C1.CUT:4\"\nmsgid \"Caf\xC3\xA9.\"\nmsgstr \"\"\n",
          "#. Control codes, to keep in their number: *01 = speech animation 1, *WT = pause.\n",
          "#. Credits line, shown on screen.\n", "#. The other person's line in the dialogue.\n",
          "#. The person's greeting when Joe comes back.\n", "#: X.DOG:4\n", "charset=UTF-8"})
        EXPECT_NE(pot.find(expected), std::string::npos) << expected;
    // The same run gives the same catalogue.
    ASSERT_EQ(Run2("po export game -o again.pot").substr(0, 2), "0|");
    EXPECT_EQ(ReadBytes(Path("again.pot")), pot);

    // Out of the resource file: the table's order, entries of other bundles skipped.
    WriteBytes(
        Path("queen.1c"),
        ResourceBytes(
            {{"X.DOG", kDog}, {"C1.CUT", kCut}, {"Z.CUT", "", 2}, {"CREDIT1.CRD", kCredits}}));
    EXPECT_EQ(Run2("po export queen.1c -o res.pot"), "0|Entries exported: 10\n|");
    EXPECT_EQ(Contexts(ReadBytes(Path("res.pot"))),
              "X.DOG:1 X.DOG:2 X.DOG:3 X.DOG:4 X.DOG:5 C1.CUT:1 C1.CUT:3 C1.CUT:4 "
              "CREDIT1.CRD:2 CREDIT1.CRD:3 ");

    // With the work files: a translated message carries its translation, an unchanged one none.
    fs::create_directory(Path("work"));
    WriteBytes(Path("work/C1.CUT.tmf"),
               TmfBytes("C1.CUT", "001 Hola.*00\r\n003 Who are you?*01*WT\r\n004 T\xE9.\r\n"));
    EXPECT_EQ(Run2("po export game -o es.po --tmf work"),
              "0|Entries exported: 10\nTranslated: 2\n|");
    const std::string po = ReadBytes(Path("es.po"));
    EXPECT_NE(po.find("msgid \"Hello there.*00\"\nmsgstr \"Hola.*00\"\n"), std::string::npos);
    EXPECT_NE(po.find("msgid \"Who are you?*01*WT\"\nmsgstr \"\"\n"), std::string::npos);
    EXPECT_NE(po.find("msgstr \"T\xC3\xA9.\"\n"), std::string::npos);
}

TEST_F(PoTest, UnchangedCataloguesWriteNothingOrTheSameFiles) {
    ASSERT_EQ(Run2("po export game -o game.pot").substr(0, 2), "0|");
    // Nothing translated: nothing to write.
    EXPECT_EQ(Run2("po import game.pot --game game -o none"),
              "0|Translations taken: 0\nFiles written: 0\n|");
    // Every translation its original: the game files come back byte for byte.
    ASSERT_EQ(Gettext("msgen game.pot -o same.po"), 0);
    EXPECT_EQ(Run2("po import same.po --game game -o new --apply"),
              "0|Translations taken: 10\nFiles written: 3\n|");
    for (const char* name : {"C1.CUT", "X.DOG", "CREDIT1.CRD"})
        EXPECT_EQ(ReadBytes(Path(std::string("new/") + name)),
                  ReadBytes(Path(std::string("game/") + name)))
            << name;
    EXPECT_EQ(Listing("none"), "");
}

TEST_F(PoTest, CataloguesEditedWithGettextsToolsImportWhatTheyShould) {
    ASSERT_EQ(Run2("po export game -o game.pot").substr(0, 2), "0|");
    // Every translation in capitals, then rewrapped and reordered: the same work files.
    // A changed message gets the higher of the two bytes that draw "é" (0x82, 0xE9).
    ASSERT_EQ(Gettext("msgen game.pot | msgfilter --keep-header -o upper.po tr a-z A-Z"), 0);
    ASSERT_EQ(Gettext("msgcat --width=20 upper.po | msgcat --sort-output -o sorted.po -"), 0);
    EXPECT_EQ(Run2("po import upper.po --game game -o work"),
              "0|Translations taken: 10\nFiles written: 3\n|");
    EXPECT_EQ(Run2("po import sorted.po --game game -o sorted"),
              "0|Translations taken: 10\nFiles written: 3\n|");
    EXPECT_EQ(Listing("work"), "C1.CUT.tmf CREDIT1.CRD.tmf X.DOG.tmf");
    EXPECT_EQ(
        ReadBytes(Path("work/C1.CUT.tmf")),
        TmfBytes("C1.CUT", "001 HELLO THERE.*00\r\n003 WHO ARE YOU?*01*WT\r\n004 CAF\xE9.\r\n"));
    for (const char* name : {"C1.CUT.tmf", "X.DOG.tmf", "CREDIT1.CRD.tmf"})
        EXPECT_EQ(ReadBytes(Path(std::string("sorted/") + name)),
                  ReadBytes(Path(std::string("work/") + name)));
    EXPECT_EQ(Outcome(Run({"check", "game/X.DOG", "work/X.DOG.tmf"})), "0|" + kClean + "|");

    // The game changes: message 1 of C1.CUT is new, the credits are gone. msgmerge makes the
    // changed entry fuzzy and the credits' entries obsolete.
    fs::create_directory(Path("game2"));
    fs::copy_file(Path("game/X.DOG"), Path("game2/X.DOG"));
    WriteBytes(Path("game2/C1.CUT"),
               CutBytes({"Hello there, Joe.*00", "*WT", "Who are you?*01*WT", "Caf\xE9."}));
    ASSERT_EQ(Run2("po export game2 -o game2.pot").substr(0, 2), "0|");
    ASSERT_EQ(Gettext("msgmerge --quiet upper.po game2.pot -o merged.po"), 0);
    const std::string merged = ReadBytes(Path("merged.po"));
    ASSERT_NE(merged.find("#, fuzzy\nmsgctxt \"C1.CUT:1\""), std::string::npos) << merged;
    ASSERT_NE(merged.find("#~ msgctxt \"CREDIT1.CRD:2\""), std::string::npos) << merged;
    EXPECT_EQ(Run2("po import merged.po --game game2 -o merged --apply"),
              "0|Translations taken: 7\nFiles written: 2\n|"
              "C1.CUT:1: fuzzy: left out (--fuzzy takes it)\n");
    // The catalogue of the old game: a changed original and a file that is gone are stale.
    EXPECT_EQ(Run2("po import upper.po --game game2 -o old"),
              "1|Translations taken: 7\nFiles written: 2\n|"
              "C1.CUT:1: stale: the game's original is no longer this msgid; not taken\n"
              "CREDIT1.CRD:2: stale: no message of the game has this name; not taken\n"
              "CREDIT1.CRD:3: stale: no message of the game has this name; not taken\n");
}

TEST_F(PoTest, BrokenTranslationsAreRefusedEntryByEntry) {
    const auto entry = [](const std::string& context, const std::string& id,
                          const std::string& translation) {
        return "\nmsgctxt \"" + context + "\"\nmsgid \"" + id + "\"\nmsgstr \"" + translation +
               "\"\n";
    };
    const std::string longLine(300, 'a');
    WriteBytes(
        Path("broken.po"),
        "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n" +
            entry("C1.CUT:1", "Hello there.*00", "Hola*00 amigo*01") +
            entry("C1.CUT:3", "Who are you?*01*WT", "Kim jeste\xC5\x9B, \xC5\x82otrze?*01*WT") +
            entry("C1.CUT:4", "Caf\xC3\xA9.", longLine) + entry("C1.CUT:2", "*WT", "*FL") +
            entry("C1.CUT:9", "Gone.", "Ido.") +
            entry("X.DOG:2", "Who are you?*03", longLine + "*03") +
            entry("X.DOG:3", "Nobody.", "\xE2\x80\x9CNadie.\xE2\x80\x9D") +
            entry("X.DOG:4", "I am Bob.*FL", "*FL") +
            entry("CREDIT1.CRD:2", "Directed by", "Dirigido por"));
    ASSERT_EQ(Gettext("msgfmt -o /dev/null broken.po"), 0);
    const std::string refusals =
        "C1.CUT:1: it has 2 * where the original has 1\n"
        "C1.CUT:3: the game's font has no \xE2\x80\x9C\xC5\x9B\xE2\x80\x9D (U+015B), "
        "\xE2\x80\x9C\xC5\x82\xE2\x80\x9D (U+0142)\n"
        "C1.CUT:2: stale: C1.CUT has no message 2 to translate; not taken\n"
        "C1.CUT:9: stale: C1.CUT has no message 9 to translate; not taken\n"
        "X.DOG:2: 303 bytes; a dialogue line holds at most 255\n"
        "X.DOG:3: replaced by plain signs: \xE2\x80\x9C\xE2\x80\x9C\xE2\x80\x9D (U+201C) as \", "
        "\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x9D (U+201D) as \"\n"
        "X.DOG:4: the translation shows no text where the original does\n"
        "C1.CUT: Message 4 (row 4) would be 301 bytes long once padded; a message holds at "
        "most 255 bytes.\n";
    EXPECT_EQ(Run2("po import broken.po --game game -o out --apply"),
              "1|Translations taken: 3\nFiles written: 1\n|" + refusals +
                  "C1.CUT: not written. 3 translations are invalid; --force writes the file "
                  "anyway.\n"
                  "X.DOG: not written. 2 translations are invalid; --force writes the file "
                  "anyway.\n");
    EXPECT_EQ(Listing("out"), "CREDIT1.CRD");
    // --force keeps what breaks a rule (work files hold any length); what the font cannot draw
    // or what shows nothing stays the original, and stale entries are still refused.
    const CliResult forced = RunLine("po import broken.po --game game -o forced --force");
    EXPECT_EQ(Outcome(forced), "1|Translations taken: 3\nFiles written: 3\n|" + refusals);
    EXPECT_EQ(ReadBytes(Path("forced/X.DOG.tmf")),
              TmfBytes("X.DOG", "001 Hi.*02\r\n002 " + longLine +
                                    "*03\r\n003 \"Nadie.\"\r\n004 I am Bob.*FL\r\n"
                                    "005 You again.\r\n"));
    // Game files cannot hold a line too long, forced or not.
    EXPECT_EQ(RunLine("po import broken.po --game game -o games --apply --force")
                  .err.substr(refusals.size()),
              "C1.CUT: not written. Message 4 (row 4) would be 301 bytes long once padded; a "
              "message holds at most 255 bytes.\n"
              "X.DOG: not written. Message 2 (row 2) is 303 bytes long; a dialogue line holds "
              "at most 255 bytes.\n");
    EXPECT_EQ(Listing("games"), "CREDIT1.CRD");
}

TEST_F(PoTest, ImportReadsTheLettersThroughTheFontTheCatalogueWasExportedWith) {
    // 0xE4 is "ф" in the Russian font and "õ" in the regular one.
    WriteBytes(Path("game/C1.CUT"), CutBytes({"Caf\xE4 time.*00"}));
    ASSERT_EQ(Run2("po export game --language R -o ru.pot").substr(0, 2), "0|");
    ASSERT_NE(ReadBytes(Path("ru.pot")).find("msgid \"Caf\xD1\x84 time.*00\""), std::string::npos);
    ASSERT_EQ(Gettext("msgen ru.pot | msgfilter --keep-header -o ru.po tr a-z A-Z"), 0);
    EXPECT_EQ(Run2("po import ru.po --game game -o ru --apply"),
              "0|Translations taken: 8\nFiles written: 3\n|");
    EXPECT_EQ(ReadBytes(Path("ru/C1.CUT")), CutBytes({"CAF\xE4 TIME.*00"}));
    // Through the regular font the game's original is another text.
    EXPECT_EQ(Run2("po import ru.po --game game -o en --language E"),
              "1|Translations taken: 7\nFiles written: 2\n|"
              "C1.CUT:1: stale: the game's original is no longer this msgid; not taken\n");
}

TEST_F(PoTest, UnreadableCataloguesAndGamesAreOneLineWithExitStatusTwo) {
    ASSERT_EQ(Run2("po export game -o game.pot").substr(0, 2), "0|");
    WriteBytes(Path("garbled.po"), "msgid \"a\"\nmsgstr \"b\"\nmsgid\n");
    WriteBytes(Path("latin.po"),
               "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n");
    // The line, and what its one line of error starts with.
    const std::pair<const char*, const char*> cases[] = {
        {"po import garbled.po --game game -o out", "garbled.po:"},
        {"po import missing.po --game game -o out", "missing.po"},
        {"po import latin.po --game game -o out",
         "latin.po: the catalogue is in ISO-8859-1; convert it with msgconv --to-code=UTF-8."},
        {"po import game.pot --game missing.1c -o out", "missing.1c"},
        {"po import game.pot --game game -o game --apply",
         "game: this is the game's own folder; write the translation to another one."},
        {"po export missing.1c -o x.pot", "missing.1c"},
        {"po export game -o x.pot --tmf nowhere", "nowhere: not a folder."},
    };
    for (const auto& [line, error] : cases) {
        const CliResult result = RunLine(line);
        EXPECT_EQ(result.status, 2) << line;
        EXPECT_TRUE(result.err.starts_with(error)) << line << ": " << result.err;
        ExpectOneErrorLine(result, error);
    }
    EXPECT_EQ(Listing(), "game/ game.pot game/C1.CUT game/CREDIT1.CRD game/X.DOG garbled.po "
                         "latin.po");
}
