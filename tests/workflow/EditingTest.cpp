// What one edit of the new message does to the row, the labels, the colours and buttons.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

struct Editing : ::testing::Test, Editor {
    Form1& f = form;
    Editing() {
        Open(Put("C12.CUT", CutBytes({"Hello", "Say*01hi", "*01Hello*02World*03", "*01*02"})));
    }
};

TEST_F(Editing, InvalidAndBlankMessagesAreMarkedCountedAndListed) {
    Raw();
    const std::pair<const char*, bool> cases[] = {
        {"Say*01hi", false}, {"", false},    {"Dis*02yo", false},  {"Dis*0", true},
        {"Dis hi", true},    {"Dis*", true}, {"Dis*01\tyo", true},
    };
    Go(2);
    for (const auto& [text, invalid] : cases) {
        Type(text);
        EXPECT_EQ(Cell(2, ColBad), invalid ? "1" : "0") << text;
        EXPECT_EQ(f.TextMessageGR.ForeColor, invalid ? kRed : kBlack) << text;
    }
    // Each counter sums every row, whichever row is edited; editing one row keeps the others.
    Type(1, "Bad*");
    Type(4, "*01*02");
    EXPECT_EQ(Cell(2, ColBad), "1");
    EXPECT_EQ(Counters(), "2 [1, 2] red | 1 [3] red | - -");
    Type(1, "Hola");
    Type(2, "");
    EXPECT_EQ(Counters(), "0 [] blue | 2 [2, 3] red | save -");
    Type(2, "Dis*01yo");
    Type(3, "*01Hi*02Earth*03");
    EXPECT_EQ(Counters(), "0 [] blue | 0 [] blue | save create");
}

TEST_F(Editing, SizesOfTheMessageAndTheNewFile) {
    Raw();
    Go(2);
    const std::pair<const char*, const char*> cases[] = {
        {"a*01", "4 bytes | 1 | 1 byte"},           {"a", "1 byte | 0 | 1 byte"},
        {"a*", "2 bytes | 1 | -1 bytes"},           {"", "0 bytes | 0 | 0 bytes"},
        {"Hola*01amigo", "12 bytes | 1 | 9 bytes"},
    };
    for (const auto& [text, shown] : cases) {
        Type(text);
        EXPECT_EQ(
            Captions({&f.LabelCharactersNumberGR, &f.LabelControlCharsGR, &f.LabelTextsizeGR}),
            shown);
        // Red while the count of control characters differs from the original's.
        EXPECT_EQ(f.LabelControlCharsGR.ForeColor,
                  f.LabelControlCharsGR.Caption() == "1" ? kBlue : kRed)
            << text;
    }
    const long original = static_cast<long>(f.State.OriginalFileSize);
    EXPECT_EQ(Captions({&f.LabelNewTextSize, &f.LabelNewSize}),
              "12 bytes | " + std::to_string(original - (5 + 8 + 19 + 6) + 12) + " bytes");
}

TEST_F(Editing, HiddenModeRebuildsTheCodesWhileTyping) {
    Go(3);
    EXPECT_EQ(f.TextMessageGB.Text(), "Hello\r\nWorld");
    Type("Hi\r\nEarth");
    EXPECT_EQ(Cell(3, ColNewMessage) + Cell(3, ColBad), "*01Hi*02Earth*030");
    Type("Hi\r\nthere\r\nEarth"); // a break too many stays, and makes the message invalid
    EXPECT_EQ(Cell(3, ColNewMessage), "*01Hi*02there\r\n\nEarth*03");
    EXPECT_EQ(f.LabelBadMessages.Caption(), "1");
    Type("Hi\r\nEarth");

    // Codes only: both boxes show the placeholder and the message cannot change.
    Go(4);
    EXPECT_EQ(f.TextMessageGB.Text() + f.TextMessageGR.Text(), "**");
    Type("Something");
    EXPECT_EQ(Cell(4, ColNewMessage), "*01*02");

    // Switching to raw mode shows the notation; switching back hides it again.
    Go(3), Raw();
    EXPECT_EQ(f.TextMessageGR.Text(), "*01Hi*02Earth*03");
    f.CheckHideControlCharacters.UserClick();
    EXPECT_EQ(f.TextMessageGB.Text(), "Hello\r\nWorld");
}

} // namespace
} // namespace quillon::testing
