// QUEEN2.JAS and the credits on files built here line by line: the lines that are locked, the
// new lines written back byte for byte, what the readers and the writer refuse, and a work file
// that carries line numbers of four digits and a line of one byte.
#include "formats/CrdFormat.h"
#include "formats/Formats.h"
#include "formats/JasFormat.h"
#include "support/NewMessages.h"
#include "work/Tmf.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// A QUEEN2.JAS laid out as the released one: descriptions (every tenth a command), object
// names, room names, verbs with the placeholder, Joe's answers, actor data.
std::vector<std::string> JasLines() {
    std::vector<std::string> lines;
    for (int n = 1; n <= 1427; ++n) {
        const std::string k = std::to_string(n);
        if (n <= 724)
            lines.push_back(n % 10 != 5 ? "Description " + k + "*14"
                                        : "c" + k + (n % 20 == 5 ? ".CUT" : ".dog"));
        else if (n <= 1049)
            lines.push_back("object " + k);
        else if (n <= 1175)
            lines.push_back("R" + k);
        else if (n <= 1187)
            lines.push_back(n == 1179 ? "----" : "verb " + k);
        else if (n <= 1227)
            lines.push_back("Answer " + k + "*03");
        else
            lines.push_back("001," + k + ",000");
    }
    return lines;
}

const std::vector<std::string> kCredits = {".c",      ".i 3", "A game by", "",
                                           "  Steve", ".p 0", "Thanks",    "END"};

std::string Joined(const std::vector<std::string>& lines, bool finalBreak) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += lines[i] + (i + 1 < lines.size() || finalBreak ? "\r\n" : "");
    return out;
}

using Edits = std::vector<std::pair<int, std::string>>; // row and new text

TEST(LineFormats, NewLinesAreWrittenByteForByteWithTheFinalLineBreakAsTheSourceHadIt) {
    // The released credits end in END without a line break; a file may also end in text, and
    // the last text line is the end of the file when a line break follows it (without one the
    // engine drops it, so it is locked).
    const std::vector<std::string> noEnd(kCredits.begin(), kCredits.end() - 1);
    const Edits credits = {{3, "Un jeu de"}, {5, "S"}, {7, "Thanks!"}}, shorter = {{7, "T"}};
    const std::vector<std::tuple<const LineFileFormat*, std::vector<std::string>, bool, Edits>>
        cases = {{&TheJasFormat(), JasLines(), true, {}},
                 {&TheJasFormat(),
                  JasLines(),
                  true,
                  {{1, "A much longer first description*14"}, {800, "x"}, {1227, ""}}},
                 {&TheJasFormat(),
                  JasLines(),
                  true,
                  {{1, "D*14"}, {800, "a far longer object name"}, {1227, "Answer*03 longer"}}},
                 {&TheCrdFormat(), kCredits, false, credits},
                 {&TheCrdFormat(), kCredits, false, shorter},
                 {&TheCrdFormat(), kCredits, true, credits},
                 {&TheCrdFormat(), kCredits, true, shorter},
                 {&TheCrdFormat(), noEnd, true, credits},
                 {&TheCrdFormat(), noEnd, true, shorter}};
    for (const auto& [format, lines, finalBreak, edits] : cases) {
        std::vector<std::string> expected = lines;
        for (const auto& [row, text] : edits)
            expected[static_cast<std::size_t>(row - 1)] = text;
        const WriteResult written = test::Rewrite(*format, Joined(lines, finalBreak), expected);
        EXPECT_EQ(written.error, "");
        EXPECT_EQ(written.bytes, Joined(expected, finalBreak));
    }
}

TEST(LineFormats, LinesThatAreNoTextAreLockedAndTheNotesNameWhatEachLineIs) {
    std::vector<std::string> jas = JasLines();
    jas[0] = "x.CUT"; // more than four bytes: a command
    jas[1] = ".CUT";  // four bytes: text to the engine
    jas[2] = "c3.DoG";
    const ReadResult read = TheJasFormat().Read(Joined(jas, true), "QUEEN2.JAS");
    ASSERT_TRUE(read.ok()) << read.message;
    const std::vector<std::pair<int, bool>> jasLocks = {
        {1, true},     {2, false},    {3, true},     {4, false},    {5, true},
        {15, true},    {724, false},  {725, false},  {1049, false}, {1050, true},
        {1175, true},  {1176, false}, {1178, false}, {1179, true},  {1180, false},
        {1187, false}, {1188, false}, {1227, false}, {1228, true},  {1427, true}};
    for (const auto& [row, locked] : jasLocks) {
        const Message& m = read.document.At(row);
        EXPECT_EQ(std::tuple(m.locked, m.number, m.edited.empty()),
                  std::tuple(locked, row, !locked));
    }
    // The note beside a row: the voice of a description is its line + 40.
    for (const auto& [row, note] : std::vector<std::pair<int, std::string>>{
             {38, "(voice JOE0078)"}, {1179, "No verb"}, {1186, "use X on Y"}, {1188, "1 of 40"}})
        EXPECT_NE(TheJasFormat().NoteOf(read.document, row).find(note), std::string::npos) << row;
    const ReadResult credits = TheCrdFormat().Read(
        Joined({".l", "text", "", "EN", "after the end", ".p 1"}, false), "C.CRD");
    ASSERT_TRUE(credits.ok());
    for (const auto& [row, locked] : std::vector<std::pair<int, bool>>{
             {1, true}, {2, false}, {3, false}, {4, true}, {5, true}, {6, true}})
        EXPECT_EQ(credits.document.At(row).locked, locked) << row;
    for (const bool finalBreak : {false, true})
        EXPECT_EQ(
            TheCrdFormat().Read(Joined({"a", "b"}, finalBreak), "C.CRD").document.At(2).locked,
            !finalBreak);
}

TEST(LineFormats, AChangedLockedLineOrOneTheEngineWouldMisreadIsInvalidAndRefused) {
    const std::string jas = Joined(JasLines(), true);
    const std::string crd = Joined(kCredits, false);
    const std::string piece255(255, 'a');
    // The format, its source, a row of text, its new text, and the problem ("" for none).
    const std::vector<
        std::tuple<const LineFileFormat*, const std::string*, int, std::string, std::string>>
        cases = {{&TheJasFormat(), &jas, 1, "Line\r\nbreak*14", "control character"},
                 {&TheJasFormat(), &jas, 1, std::string("Nul\0byte*14", 11), "control character"},
                 {&TheJasFormat(), &jas, 725, "lone\nLF", "control character"},
                 {&TheJasFormat(), &jas, 1, "see c12.cut", "end in .CUT"},
                 {&TheJasFormat(), &jas, 1188, "no.DoG", "end in .DOG"},
                 {&TheJasFormat(), &jas, 725, ".cut", ""},
                 {&TheJasFormat(), &jas, 1, piece255 + "*14", ""},
                 {&TheJasFormat(), &jas, 1, piece255 + "a*14", "256 bytes"},
                 {&TheJasFormat(), &jas, 1, "ab*14" + piece255 + "a", "258 bytes"},
                 {&TheJasFormat(), &jas, 1, "Two*14*15", "it has 2 *"},
                 {&TheCrdFormat(), &crd, 3, ".i 3", "as a directive"},
                 {&TheCrdFormat(), &crd, 3, "ENDE", "ends the credits"},
                 {&TheCrdFormat(), &crd, 3, "En fin", ""},
                 {&TheCrdFormat(), &crd, 3, " .a", ""},
                 {&TheCrdFormat(), &crd, 4, "\rx", "control character"},
                 {&TheJasFormat(), &jas, 1050, "Salle 1", "a locked line"},
                 {&TheJasFormat(), &jas, 5, "", "a locked line"},
                 {&TheJasFormat(), &jas, 1179, "rien", "a locked line"},
                 {&TheCrdFormat(), &crd, 2, ".i 4", "a locked line"},
                 {&TheCrdFormat(), &crd, 8, "FIN", "a locked line"}};
    for (const auto& [format, source, row, text, problem] : cases) {
        ReadResult r = format->Read(*source, "F");
        ASSERT_TRUE(r.ok());
        r.document.At(row).edited = text;
        r.document.ValidateAll();
        const Message& message = r.document.At(row);
        EXPECT_EQ(message.invalid, !problem.empty()) << text;
        EXPECT_NE(message.problem.find(problem), std::string::npos) << message.problem;
        const std::string refusal = format->CheckWritable(r.document);
        const bool refused = !problem.empty() && problem != "it has 2 *";
        EXPECT_EQ(refusal.starts_with("Line " + std::to_string(row) + " "), refused) << refusal;
        EXPECT_EQ(format->Write(r.document, *source).error, refusal);
    }
}

TEST(LineFormats, OnlyTheDescriptionsReadControlCodes) {
    std::vector<std::string> jasLines = JasLines();
    jasLines[1] = "*14"; // a description of codes alone
    const std::string jas = Joined(jasLines, true);
    const std::string crd = Joined({"A*AB", "Thanks"}, true);
    // The format, its source, a row, its new text, and the verdict: problem, warning or blank.
    const std::vector<
        std::tuple<const LineFileFormat*, const std::string*, int, std::string, std::string>>
        cases = {{&TheJasFormat(), &jas, 1, "Descripci\xf3n*0T", "unknown control code *0T"},
                 {&TheJasFormat(), &jas, 1, "Descripci\xf3n*04",
                  "code 1 is *04 where the original has *14: the animation changes"},
                 {&TheJasFormat(), &jas, 1, " *14", "blank"},
                 {&TheJasFormat(), &jas, 2, "", ""},
                 {&TheCrdFormat(), &crd, 1, "B*CD", ""},
                 {&TheCrdFormat(), &crd, 1, "*CD", ""},
                 {&TheCrdFormat(), &crd, 1, "", "blank"}};
    for (const auto& [format, source, row, text, verdict] : cases) {
        ReadResult r = format->Read(*source, "F");
        ASSERT_TRUE(r.ok());
        r.document.At(row).edited = text;
        r.document.ValidateAll();
        const Message& m = r.document.At(row);
        EXPECT_EQ(m.problem + m.warning + (r.document.IsBlank(m) ? "blank" : ""), verdict) << text;
    }
    // An empty line whose original is codes alone is written as that original.
    jasLines[1] = "";
    EXPECT_EQ(test::Rewrite(TheJasFormat(), jas, jasLines).bytes, jas);
}

TEST(LineFormats, FilesTheGameWouldReadOtherwiseAreRefusedInOneLine) {
    std::vector<std::string> short_ = JasLines();
    short_.pop_back();
    std::vector<std::string> long_ = JasLines();
    long_.push_back("X12_JOE.ACT");
    const std::string good = Joined(JasLines(), true);
    const std::vector<std::tuple<const TextFormat*, std::string, std::string>> refused = {
        {&TheJasFormat(), Joined(short_, true), "has 1426 lines"},
        {&TheJasFormat(), Joined(long_, true), "has 1428 lines"},
        {&TheJasFormat(), "", "has 0 lines"},
        {&TheJasFormat(), Joined(JasLines(), false), "line 1427 has no line break"},
        {&TheJasFormat(), "a\r\nb\nc" + good, "line 2 ends in a lone LF"},
        {&TheJasFormat(), good + "x\r", "line 1428 ends in a lone CR"},
        {&TheCrdFormat(), "a\rb\r\n", "line 1 ends in a lone CR"},
        {&TheCrdFormat(), std::string("ab\r\nc\0d\r\n", 9), "line 2 holds a NUL byte"}};
    for (const auto& [format, bytes, reason] : refused) {
        const ReadResult r = format->Read(bytes, "QUEEN2.JAS");
        EXPECT_EQ(r.failure, ReadFailure::Broken) << reason;
        EXPECT_TRUE(r.message.starts_with("QUEEN2.JAS: ") &&
                    r.message.find(reason) != std::string::npos &&
                    r.message.find('\n') == std::string::npos)
            << r.message;
    }
    EXPECT_EQ(TheCrdFormat().Read("", "E.CRD").document.Count(), 0);

    // The source on disk changed since it was read.
    const ReadResult read = TheJasFormat().Read(good, "QUEEN2.JAS");
    std::vector<std::string> other = JasLines();
    other[99] = "changed";
    for (const auto& [source, what] : std::vector<std::pair<std::string, std::string>>{
             {Joined(other, true), "line 100 has changed"},
             {Joined(short_, true), "it has 1426 lines, not 1427"},
             {Joined(JasLines(), false), "line break after its last line"}})
        EXPECT_NE(TheJasFormat().Write(read.document, source).error.find(what), std::string::npos)
            << what;
}

TEST(LineFormats, TheRegistryTakesQueen2JasByItsWholeNameAndTheCreditsByTheirEnding) {
    const std::vector<std::pair<std::string, const TextFormat*>> names = {
        {"QUEEN2.JAS", &TheJasFormat()},  {"queen2.jas", &TheJasFormat()},
        {"QUEEN.JAS", nullptr},           {"XQUEEN2.JAS", nullptr},
        {"CREDIT1.CRD", &TheCrdFormat()}, {"credit2.crd", &TheCrdFormat()}};
    for (const auto& [name, format] : names)
        EXPECT_EQ(FormatForFile(name), format) << name;
    EXPECT_EQ(FormatForFile("queen2.jas", EndingCase::Exact), nullptr);
    EXPECT_NE(GameFilesDialogFilter().find("|Flight of the Amazon Queen descriptions "
                                           "(QUEEN2.JAS)|queen2.jas|"),
              std::string::npos);
}

TEST(LineFormats, AWorkFileCarriesLineNumbersOfFourDigitsAndOneByteLinesBackToTheirLines) {
    ReadResult read = TheJasFormat().Read(Joined(JasLines(), true), "QUEEN2.JAS");
    Document& document = read.document;
    for (const int row : {1, 999, 1000, 1188, 1227})
        document.At(row).edited = "new " + std::to_string(row);
    document.At(1187).edited = "\xE0"; // "to" in French: one byte
    const TmfBuildResult built = BuildTmf("QUEEN2.JAS", document, TmfContent::NewMessages);
    ASSERT_EQ(built.error, "");
    ReadResult fresh = TheJasFormat().Read(Joined(JasLines(), true), "QUEEN2.JAS");
    ApplyTmfLines(fresh.document, ParseTmf(built.bytes).lines);
    for (int row = 1; row <= document.Count(); ++row)
        EXPECT_EQ(fresh.document.At(row).edited, document.At(row).edited) << row;
}

} // namespace
} // namespace quillon
