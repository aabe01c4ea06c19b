// What one edit of the new message does to the row, the labels, the colours and buttons.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

TEST(Editing, EachEditSizesChecksAndCountsTheMessageAndRebuildsItsHiddenCodes) {
    Editor e;
    MainWindow& f = e.form;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "Say*01hi", "*01Hello*02World*03", "*01*02"})));
    e.Raw();
    e.Go(2);
    // The sizes of the message; red while its count of control characters differs from the
    // original's.
    const std::pair<const char*, const char*> sizes[] = {
        {"a*01", "4 bytes | 1 | 1 byte"},           {"a", "1 byte | 0 | 1 byte"},
        {"a*", "2 bytes | 1 | -1 bytes"},           {"", "0 bytes | 0 | 0 bytes"},
        {"Hola*01amigo", "12 bytes | 1 | 9 bytes"},
    };
    for (const auto& [text, shown] : sizes) {
        e.Type(text);
        EXPECT_EQ(Captions({&f.NewTotalSizeLabel, &f.NewCodeCountLabel, &f.NewTextSizeLabel}),
                  shown);
        EXPECT_EQ(f.NewCodeCountLabel.ForeColor,
                  f.NewCodeCountLabel.Caption() == "1" ? kBlue : kRed)
            << text;
    }
    // ...and of the new file, the other messages still blank.
    const long original = static_cast<long>(f.State.OriginalFileSize);
    EXPECT_EQ(Captions({&f.NewFileTextSizeLabel, &f.NewFileSizeLabel}),
              "12 bytes | " + std::to_string(original - (5 + 8 + 19 + 6) + 12) + " bytes");

    // Invalid messages are marked in their row and their box.
    const std::pair<const char*, bool> cases[] = {
        {"Say*01hi", false}, {"", false},    {"Dis*02yo", false},  {"Dis*0", true},
        {"Dis hi", true},    {"Dis*", true}, {"Dis*01\tyo", true},
    };
    for (const auto& [text, invalid] : cases) {
        e.Type(text);
        EXPECT_EQ(e.Bad(2) + (f.NewMessageBox.ForeColor == kRed ? " red" : ""),
                  invalid ? "1 red" : "0")
            << text;
    }
    // Each counter sums every row, whichever row is edited; editing one row keeps the others.
    e.Type(1, "Bad*");
    e.Type(4, "*01*02");
    EXPECT_EQ(e.Bad(2) + " " + e.Counters(), "1 2 [1, 2] red | 1 [3] red | - -");
    e.Type(1, "Hola");
    e.Type(2, "");
    EXPECT_EQ(e.Counters(), "0 [] blue | 2 [2, 3] red | save -");
    e.Type(2, "Dis*01yo");
    e.Type(3, "*01Hi*02Earth*03");
    EXPECT_EQ(e.Counters(), "0 [] blue | 0 [] blue | save create");

    // With the codes hidden, typing rebuilds them; a break too many stays, and makes the
    // message invalid.
    f.CheckHideControlCharacters.SetValue(1);
    e.Go(3);
    EXPECT_EQ(f.OriginalMessageBox.Text(), "Hello\r\nWorld");
    e.Type("Hi\r\nthere\r\nEarth");
    EXPECT_EQ(e.New(3) + " " + f.InvalidCountLabel.Caption(), "*01Hi*02there\r\n\nEarth*03 1");
    e.Type("Hi\r\nEarth");
    EXPECT_EQ(e.New(3) + e.Bad(3), "*01Hi*02Earth*030");
    // Codes only: both boxes show the placeholder and the message cannot change.
    e.Go(4);
    EXPECT_EQ(f.OriginalMessageBox.Text() + f.NewMessageBox.Text(), "**");
    e.Type("Something");
    EXPECT_EQ(e.New(4), "*01*02");
    // Switching to raw mode shows the notation; switching back hides it again.
    e.Go(3), e.Raw();
    EXPECT_EQ(f.NewMessageBox.Text(), "*01Hi*02Earth*03");
    f.CheckHideControlCharacters.UserClick();
    EXPECT_EQ(f.OriginalMessageBox.Text(), "Hello\r\nWorld");
}

} // namespace
} // namespace quillon::testing
