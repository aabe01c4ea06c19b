// Copy, clear and restore; the selection rules; a single message; and what one edit of the new
// message does to the row, the labels, the colours and buttons. (Moving between messages with
// keys, buttons and the slider, and revealing the table, are driven through the Qt window in
// EditorWindowTest.cpp.)
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

// Messages 1 to 4 sit in rows 2 to 5, behind an unnumbered empty entry.
struct Navigation : ::testing::Test, Editor {
    Navigation() {
        Open(Put("C12.CUT", CutBytes({"", "Hello*01World", "*01Hi*02", "Plain", "*01*02"})));
    }
};

TEST_F(Navigation, SelectAllTheFocusRuleAndASingleMessageShownAgainByNext) {
    Raw();
    Type("Hola");
    Press(Key::A, Modifier::Ctrl | Modifier::Shift); // not Ctrl alone: nothing
    EXPECT_EQ(f.NewMessageBox.SelLength, 0);
    int key = KeyCodeOf(Key::A), shift = Modifier::Ctrl;
    f.OnOriginalBoxKeyDown(key, shift); // from the original box: both boxes
    EXPECT_TRUE(f.OriginalMessageBox.SelLength == 13 && f.NewMessageBox.SelLength == 4);

    // Coming back from a button: everything selected, or the caret at the end.
    f.btnNextMessage.Click(), f.btnPreviousMessage.Click();
    EXPECT_EQ(f.NewMessageBox.SelLength, 4);
    f.CheckHighlight.SetValue(0);
    f.btnNextMessage.Click(), f.btnPreviousMessage.Click();
    EXPECT_TRUE(f.NewMessageBox.SelStart == 4 && f.NewMessageBox.SelLength == 0);

    // A single message is shown again by the next-message keys.
    Editor one;
    one.Open(one.Put("ONE.CUT", CutBytes({"Only one"})));
    EXPECT_TRUE(!one.form.MessageSlider.Visible && one.form.MessageSlider.Max == 2);
    one.Type("Solo uno");
    one.Press(Key::F12);
    EXPECT_EQ(std::to_string(one.form.MessageSlider.Value) + one.form.State.MessageWhenShown,
              "1Solo uno");
}

TEST_F(Navigation, CopyClearAndRestoreInRawModeThenHidden) {
    Raw();
    int key = KeyCodeOf(Key::F10), shift = Modifier::Shift;
    f.OnNewBoxKeyDown(key, shift);
    EXPECT_EQ(key + shift, 0); // swallowed
    EXPECT_EQ(New(2), "Hello*01World");
    EXPECT_EQ(f.NewMessageBox.SelLength, 13); // the focus rule ran although focus stayed

    Press(Key::Pause);
    EXPECT_EQ(New(2), "");
    Type("Hola*01Mundo");
    Press(Key::Escape); // back to the text as shown: empty
    EXPECT_EQ(f.NewMessageBox.Text(), "");
    Type("Hola*01Mundo");
    Press(Key::F2); // the failed search shows the row again and moves the restore point
    f.btnClearMessage.Click();
    f.btnRestoreMessage.Click();
    EXPECT_EQ(New(2), "Hola*01Mundo");

    // With the codes hidden, F10 copies the hidden form, which the edit step rebuilds.
    f.CheckHideControlCharacters.SetValue(1);
    Press(Key::F10);
    EXPECT_EQ(f.NewMessageBox.Text() + "|" + New(2), "Hello\r\nWorld|Hello*01World");
    Type("Hola\r\nMundo");
    Press(Key::F12), Press(Key::F11);
    EXPECT_EQ(f.State.MessageWhenShown, "Hola*01Mundo"); // always the full notation
    Press(Key::Pause);
    f.btnRestoreMessage.Click(); // the button leaves the notation in the box
    EXPECT_EQ(f.NewMessageBox.Text() + " " + New(2), "Hola*01Mundo Hola*01Mundo");
    Press(Key::Escape); // Esc hides the codes again
    EXPECT_EQ(f.NewMessageBox.Text(), "Hola\r\nMundo");
}

TEST(Editing, EachEditSizesChecksAndCountsTheMessageAndRebuildsItsHiddenCodes) {
    Editor e;
    MainWindow& f = e.form;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "Say*01hi", "*01Hello*02World*03", "*01*02"})));
    e.Raw();
    e.Go(2);
    // The sizes of the message; red while its count of control characters differs from the
    // original's.
    const std::pair<const char*, const char*> sizes[] = {
        {"a*01", "4 bytes | 1 | 1 byte"},           {"a", "1 byte | 0 | 1 byte red"},
        {"a*", "2 bytes | 1 | -1 bytes"},           {"", "0 bytes | 0 | 0 bytes red"},
        {"Hola*01amigo", "12 bytes | 1 | 9 bytes"},
    };
    for (const auto& [text, shown] : sizes) {
        e.Type(text);
        const std::uint32_t colour = f.NewCodeCountLabel.ForeColor;
        EXPECT_EQ(Captions({&f.NewTotalSizeLabel, &f.NewCodeCountLabel, &f.NewTextSizeLabel}) +
                      (colour == kRed    ? " red"
                       : colour == kBlue ? ""
                                         : " ?"),
                  shown);
    }
    // ...and of the new file, the other messages still blank.
    const long original = static_cast<long>(f.State.OriginalFileSize);
    EXPECT_EQ(Captions({&f.NewFileTextSizeLabel, &f.NewFileSizeLabel}),
              "12 bytes | " + std::to_string(original - (5 + 8 + 19 + 6) + 12) + " bytes");

    // Invalid messages are marked in their row and their box (the rules have tests of their
    // own).
    const std::pair<const char*, bool> cases[] = {
        {"Say*01hi", false}, {"", false}, {"Dis*0", true}, {"Dis hi", true}};
    for (const auto& [text, invalid] : cases) {
        e.Type(text);
        EXPECT_EQ(e.Bad(2) + (f.NewMessageBox.ForeColor == kRed ? " red" : ""),
                  invalid ? "1 red" : "0")
            << text;
    }
    // Each counter sums every row, whichever row is edited; editing one row keeps the others.
    e.Type(1, "Bad*");
    e.Type(4, "*01*02");
    EXPECT_EQ(e.Bad(2) + " " + e.Counters(), "1 2 [1, 2] red | 1 [3] red | save -");
    // Work in progress is savable with its invalid messages, as typed.
    const std::string work = Utf8FromPath(e.platform.temp.path / "work.tmf");
    e.Save(TmfContent::NewMessages, work);
    EXPECT_NE(ReadBytes(work).find("001 Bad*\r\n"), std::string::npos) << ReadBytes(work);
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

TEST(Editing, AnotherCodeIsAWarningInTheNoteAndCodesAloneAreBlankWhereTheOriginalHasText) {
    Editor e;
    MainWindow& f = e.form;
    // Message 3 is codes alone: nothing to translate, so it is never blank.
    e.Open(e.Put("C12.CUT", CutBytes({"*00Hello", "Plain*FL", "*FR"})));
    e.Raw();
    EXPECT_EQ(e.Counters(), "0 [] dark blue | 2 [1, 2] red | - -");
    e.Type(3, "*FR"); // a new message to save, though no counter changes
    EXPECT_EQ(e.Counters(), "0 [] dark blue | 2 [1, 2] red | save -");
    const auto note = [&f] {
        const Colour colour = f.MessageNoteLabel.ForeColor;
        return f.MessageNoteLabel.Caption() + (colour == kRed       ? " (red)"
                                               : colour == kDarkRed ? " (dark red)"
                                                                    : "");
    };
    const std::array<std::string, 3> notes[] = {
        {"*0THola", "Invalid: unknown control code *0T (red)", "1"},
        {"*04Hola",
         "Warning: code 1 is *04 where the original has *00: the animation changes (dark red)",
         "0"},
        {"*00Hola", "", "0"}};
    for (const auto& [text, shown, bad] : notes) {
        e.Type(1, text);
        EXPECT_EQ(note() + "|" + e.Bad(1), shown + "|" + bad);
    }
    EXPECT_EQ(e.Counters(), "0 [] blue | 1 [2] red | save -");

    // Codes and spaces alone show nothing: blank, counted, listed and reached by F8.
    e.Type(2, "*FL ");
    EXPECT_EQ(e.Counters(), "0 [] blue | 1 [2] red | save -");
    e.Go(3);
    e.Press(Key::F8);
    EXPECT_EQ(std::to_string(f.MessageSlider.Value) + " " + f.Notice.Text,
              "2 Went round to the first message.");
    // Once it has words, the file is written, message 3 left empty with its codes.
    e.Type(2, "Llano*FL");
    EXPECT_EQ(e.Counters(), "0 [] blue | 0 [] blue | save create");
    e.Create(e.CutDir() + "NEW.CUT");
    EXPECT_EQ(ReadBytes(e.CutDir() + "NEW.CUT"), CutBytes({"*00Hola ", "Llano*FL", "*FR"}));
}

} // namespace
} // namespace quillon::testing
