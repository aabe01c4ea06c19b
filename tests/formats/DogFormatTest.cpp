// The .DOG reader and writer on byte images laid out independently in DogImage.h: rows and locks,
// what each broken file is told, the rebuilt bytes with every string moved, and the limits.
#include "formats/DogFormat.h"
#include "document/Layout.h"
#include "formats/Formats.h"
#include "support/DogImage.h"
#include "support/NewMessages.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using test::Dog;
using test::DogImage;
using Lines = test::DogLines;

std::vector<std::string> Rows(const Document& document) {
    std::vector<std::string> rows;
    for (const Message& m : document.Messages())
        rows.push_back(std::to_string(m.number) + (m.locked ? "L " : " ") + m.original);
    return rows;
}

// The source's rows given these new messages (else their originals), written.
WriteResult Rewrite(const std::string& source, const std::vector<std::string>& news = {}) {
    return test::Rewrite(TheDogFormat(), source, news);
}

TEST(DogReader, MakesEveryLineARowLocksTheEmptyAndNoneOnesAndNotesTheMenuPart) {
    const DogImage image;
    ReadResult read = ReadGameBytes(Dog(image), "b1.dog", "B1.DOG");
    ASSERT_TRUE(read.ok()) << read.message;
    const Document& d = read.document;
    EXPECT_EQ(Rows(d),
              (std::vector<std::string>{"1 Hi.*02", "2 Who are you?*03", "0L 0", "3 Nobody.",
                                        "4 I am Bob.*FL", "0L ", "5 You again.", "0L 0"}));
    EXPECT_EQ(d.layout->TextStart(), 20 + 32 + 192 + 4);
    EXPECT_EQ(d.At(3).edited + d.At(6).edited + d.At(1).edited, "0");

    read.document.At(2).edited = "Und du?*03";
    std::vector<std::string> notes;
    for (int row = 1; row <= d.Count(); ++row)
        notes.push_back(TheDogFormat().NoteOf(d, row));
    // The opening line is spoken, never offered; the person's lines are not in the menu.
    EXPECT_EQ(notes, (std::vector<std::string>{"", "In the choice menu: Und du?", "", "", "", "",
                                               "", ""}));
    read.document.At(2).edited.clear();
    EXPECT_EQ(TheDogFormat().NoteOf(d, 2), "In the choice menu: Who are you?");
}

TEST(DogReader, OffersJoesLinesInTheMenuAndSpeaksTheOthers) {
    ReadResult read = ReadGameBytes(Dog(DogImage{}), "b1.dog", "B1.DOG");
    ASSERT_TRUE(read.ok()) << read.message;
    Document& d = read.document;
    std::vector<ShownAs> shown;
    for (int row = 1; row <= d.Count(); ++row)
        shown.push_back(TheDogFormat().ShownAsOf(d, row));
    // Joe's opening line is spoken, his other one offered; locked rows are no text.
    using S = ShownAs;
    EXPECT_EQ(shown, (std::vector<S>{S::Speech, S::Option, S::Nothing, S::Speech, S::Speech,
                                     S::Nothing, S::Speech, S::Nothing}));
    // The new message is laid out, the original while that is empty.
    // Four words of ten 8 px letters and three spaces: 332 px, two lines in the French menu.
    const std::string word(10, 'W');
    d.At(2).edited = word + " " + word + " " + word + " " + word + "*03";
    EXPECT_EQ(LayoutWarningsOf(TheDogFormat(), d, 2, 'E'),
              std::vector<std::string>{"the option is 332 px wide: the menu cuts it at 320"});
    EXPECT_TRUE(LayoutWarningsOf(TheDogFormat(), d, 2, 'F').empty());
    d.At(2).edited.clear();
    EXPECT_TRUE(LayoutWarningsOf(TheDogFormat(), d, 2, 'E').empty());
}

TEST(DogReader, RefusesEveryCutShortForeignOrPointingFileInOneLineNamingIt) {
    const std::string good = Dog({});
    auto with = [&good](std::size_t at, unsigned word) {
        std::string bytes = good;
        test::PutWord(bytes, 20 + at, word);
        return bytes;
    };
    const std::size_t pairEnd = good.size() - 5;
    for (std::size_t size = 0; size < good.size(); ++size) {
        const DogReadResult r = ParseDogBytes(good.substr(0, size), "B1.DOG");
        EXPECT_EQ(r.ok(), size >= pairEnd) << size;
        EXPECT_EQ(r.message.find('\n'), std::string::npos);
        if (!r.ok()) {
            EXPECT_TRUE(r.message.starts_with("B1.DOG: the file ends inside") ||
                        r.message.ends_with("lies past the end of the file."))
                << r.message;
        }
    }
    std::string padded = good, big = good;
    padded[20 + 32 + 192 + 4 + 7] = 'x';
    big += std::string(65536 - (big.size() - 20), '\0');
    const std::vector<std::tuple<std::string, ReadFailure, std::string>> broken = {
        {"AmBK" + good.substr(4), ReadFailure::Foreign, "does not start with \"AmBk\""},
        {good.substr(0, 12) + "Datos   " + good.substr(20), ReadFailure::Foreign, "not \"Datas\""},
        {with(6, 0xFFFF), ReadFailure::Broken, "it counts -1 lines of Joe's."},
        {with(8, 0x8000), ReadFailure::Broken, "it counts -32768 lines of the person's."},
        {with(0, 0x8000), ReadFailure::Broken, "ends inside the dialogue tree of 32768 levels."},
        {with(6, 0x7FFF), ReadFailure::Broken, "Joe's lines run past the start of the person's"},
        {with(22, 0xFFFF), ReadFailure::Broken, "person's lines (65535) lies past the end"},
        {with(22, 260), ReadFailure::Broken, "Joe's lines run past the start of the person's"},
        {with(24, 0), ReadFailure::Broken, "person's lines run past the start of the cutscene"},
        {with(26, 1), ReadFailure::Broken, "cutscene name runs past the start of the second"},
        {with(26, 327), ReadFailure::Broken, "ends inside the second-visit greeting."},
        {padded, ReadFailure::Broken, "the padding after Joe's line 1 is not zero bytes."},
        {big, ReadFailure::Broken, "data take 65536 bytes"}};
    for (const auto& [bytes, failure, message] : broken) {
        const DogReadResult r = ParseDogBytes(bytes, "B1.DOG");
        EXPECT_EQ(r.failure, failure) << message;
        EXPECT_TRUE(r.message.starts_with("B1.DOG: ") &&
                    r.message.find(message) != std::string::npos)
            << r.message;
    }
    // A pointer may leave a gap that the writer keeps; the person may have nothing to say.
    EXPECT_TRUE(ParseDogBytes(big.substr(0, big.size() - 1), "B1.DOG").ok());
    EXPECT_EQ(Rewrite(Dog({.person = {}, .gap = 0})).bytes, Dog({.person = {}, .gap = 0}));
}

// Every row's text in an image, in file order.
std::vector<std::string*> Texts(DogImage& image) {
    std::vector<std::string*> texts;
    for (Lines* lines : {&image.joe, &image.person})
        for (auto& line : *lines)
            texts.push_back(&line.second);
    return texts.push_back(&image.greeting), texts.push_back(&image.reply), texts;
}

// The image's source rewritten with the texts of after.
WriteResult Rewrite(const std::string& source, DogImage after) {
    std::vector<std::string> news;
    for (const std::string* text : Texts(after))
        news.push_back(*text);
    return Rewrite(source, news);
}

TEST(DogWriter, MovesEveryStringAfterAChangeAndGivesTheLaidOutFile) {
    // The first, a middle and the last line of each section grow and shrink by every step of the
    // padding, or go blank: written without padding, which shifts the alignment after it.
    DogImage base{.joe = {{0, "Hi.*02"}, {5, "0"}, {6, "Middle*04"}, {7, "Last one?*03"}},
                  .person = {{1, "Nobody."}, {2, ""}, {6, "I am Bob.*FL"}, {7, "Bye."}},
                  .reply = "Oh, it's you.*02"};
    for (int gap : {0, 2, 3}) {
        base.gap = gap;
        const std::string source = Dog(base);
        for (std::size_t row : {0, 2, 3, 4, 6, 7, 8, 9})
            for (int delta : {1, 2, 3, 37, -1, -2, -100}) {
                DogImage after = base;
                std::string& text = *Texts(after)[row];
                text =
                    delta > 0
                        ? text + std::string(static_cast<std::size_t>(delta), '+')
                        : text.substr(0, text.size() - std::min<std::size_t>(text.size(), -delta));
                EXPECT_EQ(Rewrite(source, after).bytes, Dog(after))
                    << "gap " << gap << ", row " << row + 1 << " by " << delta;
            }
        DogImage all = base;
        for (std::string* text : Texts(all))
            if (*text != "0" && !text->empty()) *text = "Now " + *text;
        EXPECT_EQ(Rewrite(source, all).bytes, Dog(all));
        EXPECT_EQ(Rewrite(source).bytes, source);
    }
    // A line of codes alone left empty keeps its codes, and the strings after it their places.
    const DogImage codes{.person = {{1, "*FL*02"}, {6, "I am Bob.*FL"}, {7, ""}}};
    EXPECT_EQ(
        Rewrite(Dog(codes), {"Hola.*02", "Wer?*03", "0", "", "Soy Bob.*FL", "", "Otra vez.", "0"})
            .bytes,
        Dog({.joe = {{0, "Hola.*02"}, {6, "Wer?*03"}, {7, "0"}},
             .person = {{1, "*FL*02"}, {6, "Soy Bob.*FL"}, {7, ""}},
             .greeting = "Otra vez."}));
}

TEST(DogWriter, RefusesLinesOver255BytesDataOf64KiBChangedLocksAndAnotherSource) {
    // A row, its new text, its problem and the writer's refusal ("" for none).
    const std::string source = Dog({});
    const std::vector<std::tuple<int, std::string, std::string, std::string>> cases = {
        {1, std::string(252, 'a') + "*02", "", ""},
        {7, std::string(256, 'a'), "256 bytes; a dialogue line holds at most 255",
         "Message 5 (row 7) is 256 bytes long; a dialogue line holds at most 255 bytes."},
        {2, "0", "taken for no line", ""},
        {2, "Hola*0", "needs two characters", ""},
        {2, "Hola*0T", "unknown control code *0T", ""},
        {3, "0", "", ""},
        {3, "", "a locked line must stay as it is",
         "The line of row 3 is locked and must stay as it is."},
        {6, "x", "a locked line must stay as it is",
         "The line of row 6 is locked and must stay as it is."}};
    for (const auto& [row, text, problem, refusal] : cases) {
        ReadResult read = TheDogFormat().Read(source, "X.DOG");
        read.document.At(row).edited = text;
        const std::string found = TheDogFormat().ProblemOf(read.document.At(row));
        EXPECT_TRUE(problem.empty() ? found.empty() : found.find(problem) != std::string::npos)
            << found;
        EXPECT_EQ(TheDogFormat().Write(read.document, source).error, refusal) << text;
    }

    // Lines of 255 bytes take 260 each: the tail sets the new data to just below and at 64 KiB.
    DogImage longer{.joe = Lines(250, {9, std::string(255, 'j')}), .tail = ""};
    const std::size_t data = Dog(longer).size() - 20;
    DogImage shorter = longer;
    shorter.joe = Lines(250, {9, "j"});
    for (std::size_t over : {0, 1}) {
        longer.tail = shorter.tail = std::string(65535 - data + over, '\0');
        const WriteResult r = Rewrite(Dog(shorter), longer);
        if (over) {
            EXPECT_EQ(r.error, "The new file would hold 65536 bytes of data; the 16-bit offsets "
                               "of a dialogue file reach 65535 at most.");
        } else {
            EXPECT_EQ(r.bytes, Dog(longer));
            EXPECT_EQ(r.bytes.size(), 20 + 65535u);
        }
    }

    const ReadResult read = TheDogFormat().Read(source, "X.DOG");
    std::string moved = Dog({.gap = 2}), other = Dog({.greeting = "Yo again.."});
    for (const std::string& changedSource : {moved, other, source.substr(1), source + '\0'}) {
        const WriteResult r = TheDogFormat().Write(read.document, changedSource);
        EXPECT_TRUE(r.error.starts_with("The source file no longer matches") && r.bytes.empty())
            << r.error;
    }
}

} // namespace
} // namespace quillon
