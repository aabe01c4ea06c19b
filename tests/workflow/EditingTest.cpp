// What one edit of the new message does to the row, the labels, the colours and buttons.
#include "EditorHarness.h"

#include <gtest/gtest.h>

namespace quillon::testing {
namespace {

struct Editing : ::testing::Test {
    Editor e;
    Form1& f = e.form;
    void SetUp() override {
        e.Start(e.Put("C12.CUT", CutBytes({"Hello", "Say*01hi", "*01Hello*02World*03", "*01*02"})));
    }
    void Go(int message) { e.Go(message); }
    void Raw() { e.Raw(); }
};

TEST_F(Editing, InvalidMessagesAreMarkedCountedAndListed) {
    Raw();
    const std::pair<const char*, bool> cases[] = {
        {"Say*01hi", false}, {"", false},    {"Dis*02yo", false},  {"Dis*0", true},
        {"Dis hi", true},    {"Dis*", true}, {"Dis*01\tyo", true},
    };
    Go(2);
    for (const auto& [text, invalid] : cases) {
        SCOPED_TRACE(text);
        e.Type(text);
        EXPECT_EQ(e.Cell(2, ColBad), invalid ? "1" : "0");
        EXPECT_EQ(f.TextMessageGR.ForeColor, invalid ? kRed : kBlack);
    }
    // The counter sums every row, whichever row is edited; editing one row keeps the others.
    Go(1), e.Type("Bad*");
    Go(4), e.Type("*01*02");
    EXPECT_EQ(e.Cell(2, ColBad), "1");
    EXPECT_EQ(f.LabelBadMessages.Caption(), "2");
    EXPECT_EQ(f.LabelBadMessages.ToolTipText, "1, 2");
    EXPECT_EQ(f.LabelBadMessages.ForeColor, kRed);
    EXPECT_FALSE(f.btnSaveFile[0].Enabled);
    Go(1), e.Type("Hola");
    Go(2), e.Type("");
    EXPECT_EQ(f.LabelBadMessages.Caption(), "0");
    EXPECT_EQ(f.LabelBadMessages.ToolTipText, "");
    EXPECT_EQ(f.LabelBadMessages.ForeColor, kBlue);
    EXPECT_TRUE(f.btnSaveFile[0].Enabled);
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
        SCOPED_TRACE(text);
        e.Type(text);
        EXPECT_EQ(
            Captions({&f.LabelCharactersNumberGR, &f.LabelControlCharsGR, &f.LabelTextsizeGR}),
            shown);
        // Red while the count of control characters differs from the original's.
        EXPECT_EQ(f.LabelControlCharsGR.ForeColor,
                  f.LabelControlCharsGR.Caption() == "1" ? kBlue : kRed);
    }
    const long original = static_cast<long>(f.State.OriginalFileSize);
    EXPECT_EQ(Captions({&f.LabelNewTextSize, &f.LabelNewSize}),
              "12 bytes | " + std::to_string(original - (5 + 8 + 19 + 6) + 12) + " bytes");
}

TEST_F(Editing, BlankCounterDrivesTheCreateAndSaveButtons) {
    Raw();
    const char* fills[] = {"Hola", "Dis*01yo", "*01Hi*02Earth*03", "*01*02"};
    for (int m = 1; m <= 4; ++m) {
        EXPECT_FALSE(f.btnCreateNewCUT.Enabled);
        Go(m), e.Type(fills[m - 1]);
        EXPECT_EQ(f.LabelBlankMessages.Caption(), std::to_string(4 - m));
        EXPECT_TRUE(f.btnSaveFile[0].Enabled); // not every message is blank any more
    }
    EXPECT_TRUE(f.btnCreateNewCUT.Enabled);
    EXPECT_EQ(f.LabelBlankMessages.ForeColor, kBlue);
    Go(2), e.Type("");
    EXPECT_FALSE(f.btnCreateNewCUT.Enabled);
    EXPECT_EQ(f.LabelBlankMessages.ToolTipText, "2");
    EXPECT_EQ(f.LabelBlankMessages.ForeColor, kRed);
}

TEST_F(Editing, HiddenModeRebuildsTheCodesWhileTyping) {
    Go(3);
    EXPECT_EQ(f.TextMessageGB.Text(), "Hello\r\nWorld");
    e.Type("Hi\r\nEarth");
    EXPECT_EQ(e.Cell(3, ColNewMessage), "*01Hi*02Earth*03");
    EXPECT_EQ(e.Cell(3, ColBad), "0");
    e.Type("Hi\r\nthere\r\nEarth"); // a break too many stays, and makes the message invalid
    EXPECT_EQ(e.Cell(3, ColNewMessage), "*01Hi*02there\r\n\nEarth*03");
    EXPECT_EQ(f.LabelBadMessages.Caption(), "1");
    e.Type("Hi\r\nEarth");

    // Codes only: both boxes show the placeholder and the message cannot change.
    Go(4);
    EXPECT_EQ(f.TextMessageGB.Text(), "*");
    EXPECT_EQ(f.TextMessageGR.Text(), "*");
    EXPECT_EQ(e.Cell(4, ColNewMessage), "*01*02");
    e.Type("Something");
    EXPECT_EQ(e.Cell(4, ColNewMessage), "*01*02");

    // Switching to raw mode shows the notation; switching back hides it again.
    Go(3), Raw();
    EXPECT_EQ(f.TextMessageGR.Text(), "*01Hi*02Earth*03");
    f.CheckHideControlCharacters.UserClick();
    EXPECT_EQ(f.TextMessageGB.Text(), "Hello\r\nWorld");
}

} // namespace
} // namespace quillon::testing
