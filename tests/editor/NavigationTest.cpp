// Moving between messages with keys, buttons and the slider; copy, clear and restore; the
// selection rules; revealing the table.
#include "EditorHarness.h"

#include <functional>

namespace quillon::testing {
namespace {

// Messages 1 to 4 sit in rows 2 to 5, behind an unnumbered empty entry.
struct Navigation : ::testing::Test, Editor {
    Navigation() {
        Open(Put("C12.CUT", CutBytes({"", "Hello*01World", "*01Hi*02", "Plain", "*01*02"})));
    }
};

TEST_F(Navigation, KeysButtonsAndSliderReachEveryMessageWithoutWrapping) {
    const std::function<void()> steps[] = {
        [&] { Press(Key::F12); },
        [&] { Press(Key::F11); },
        [&] { Press(Key::F11); },
        [&] { Press(Key::F12, Modifier::Shift); },
        [&] { Press(Key::F5); },
        [&] { Press(Key::F12); },
        [&] { f.btnPreviousMessage.Click(); },
        [&] { f.btnNextMessage.Click(); },
        [&] { Press(Key::F1); },
        [&] { Go(3); },
        [&] { Press(Key::F2), Press(Key::F3), Press(Key::F4); }, // one block only: stays
    };
    // Where each step lands; "!" where the labels, the table or the focus disagree.
    std::string landed;
    for (const auto& step : steps) {
        step();
        const std::string n = std::to_string(f.MessageSlider.Value);
        const bool agree = Captions({&f.OriginalNumberLabel, &f.NewNumberLabel}) == n + " | " + n &&
                           f.TableView.SelectedRow == f.MessageSlider.Value + 1 &&
                           f.Focus.Current() == &f.NewMessageBox;
        landed += n + (agree ? " " : "! ");
    }
    EXPECT_EQ(landed, "2 1 1 2 4 4 3 4 1 3 3 ");
}

TEST_F(Navigation, SelectAllAndTheFocusRule) {
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

TEST_F(Navigation, ASingleMessageIsShownAgainByNextAndDoubleClicksRevealTheTable) {
    Editor one;
    one.Open(one.Put("ONE.CUT", CutBytes({"Only one"})));
    EXPECT_TRUE(!one.form.MessageSlider.Visible && one.form.MessageSlider.Max == 2);
    one.Type("Solo uno");
    one.Press(Key::F12);
    EXPECT_EQ(std::to_string(one.form.MessageSlider.Value) + one.form.State.MessageWhenShown,
              "1Solo uno");

    for (int click = 1; click <= 9; ++click) {
        f.StepTableIntoView();
        EXPECT_EQ(f.TableView.Visible, click == 8) << click;
    }
    EXPECT_EQ(f.TableView.Left, 16000);
}

} // namespace
} // namespace quillon::testing
