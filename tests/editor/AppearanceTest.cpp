// Fonts and colours of the message boxes, the settings pages, About and Help.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

struct Appearance : RawEditor {
    Appearance() { Open(Put("C12.CUT", CutBytes({"Hello", "World"}))); }
    // Face, size, style word, script name and script number.
    static std::string Shown(const std::array<Label, 5>& labels) {
        return Captions({&labels[0], &labels[1], &labels[2], &labels[3]}) + " | " +
               labels[3].ToolTipText;
    }
};

TEST_F(Appearance, TheChoosersStartFromTheBoxAndRestyleItOnlyAndOnePageShowsAtATime) {
    platform.fontAnswers.push_back({true, 0, {"Arial", 14, 700, true, true, false, 161, kRed}});
    form.OnNewFontPageClicked(2);
    const FontChoice& asked = platform.fontRequests.back();
    EXPECT_EQ(asked.face + " " + std::to_string(asked.pointSize) + " " +
                  std::to_string(asked.weight) + " " + std::to_string(asked.charset),
              "Arial 12 400 0");
    EXPECT_EQ(Shown(form.NewFontPage), "Arial | 14 | Bold Italic | Greek | 161");
    const auto& font = form.NewMessageBox.Font;
    EXPECT_TRUE(font.Size == 14 && font.Bold && font.Italic && font.Underline &&
                form.NewMessageBox.ForeColor == kRed && form.State.NewStyle.Weight == 700);
    form.SaveSettings(); // the chosen style is the one stored
    EXPECT_EQ(platform.settings.values["New message Italic"], "True");

    // The style word turns bold at 600; unknown scripts show their number; long faces are cut.
    const std::string face(32, 'F');
    for (const auto& [weight, charset, shown] :
         {std::tuple{600, 100, " | 10 | Bold | 100 | 100"},
          std::tuple{500, 204, " | 10 | Regular | Cyrillic | 204"}}) {
        platform.fontAnswers.push_back(
            {true, 0, {face + "cut off", 10, weight, false, false, false, charset, kBlack}});
        form.OnOriginalFontPageClicked(0);
        EXPECT_EQ(Shown(form.OriginalFontPage), face + shown);
    }
    EXPECT_EQ(platform.fontRequests.back().face, face);

    // A cancel says nothing; a failure says which; neither changes the box.
    const std::string before = Shown(form.OriginalFontPage);
    platform.fontAnswers = {{false, 0, {}}, {false, 12, {}}};
    form.OnOriginalFontPageClicked(0);
    form.OnOriginalFontPageClicked(0);
    EXPECT_EQ(Shown(form.OriginalFontPage) + " " +
                  std::to_string(form.OriginalMessageBox.Font.Size),
              before + " 10");
    EXPECT_EQ(Boxes(), "Quillon: Common Dialog Error 12\n");
    EXPECT_EQ(platform.messageBoxes[0].icon, MsgIcon::Critical);

    // The colour chooser paints the swatch and the box only; a cancel nothing.
    platform.colourAnswers = {0x123456, std::nullopt};
    form.OnOriginalBackgroundClicked();
    form.OnOriginalBackgroundClicked();
    EXPECT_TRUE(form.OriginalBackgroundSwatch.BackColor == 0x123456 &&
                form.OriginalMessageBox.BackColor == 0x123456 &&
                form.State.OriginalStyle.BackColor == 16777215 &&
                form.NewMessageBox.BackColor == kWhite);

    // One settings page at a time.
    form.OptionSettingsNew.UserClick();
    form.OptionSettingsNew.UserClick();
    EXPECT_FALSE(form.FrameSettingsGeneral.Visible || form.FrameSettingsOriginal.Visible);
    EXPECT_TRUE(form.FrameSettingsNew.Visible);
    form.OptionSettingsGeneral.UserClick();
    EXPECT_TRUE(form.FrameSettingsGeneral.Visible && !form.FrameSettingsNew.Visible &&
                !form.OptionSettingsNew.Value && form.Focus.Current() == &form.NewMessageBox);
}

TEST_F(Appearance, AboutHoldsTheMainWindowAndHelpDoesNot) {
    form.CheckAlwaysOnTop.UserClick();
    EXPECT_TRUE(form.Window.Topmost);
    form.OnAboutClicked();
    ASSERT_NE(form.About, nullptr);
    EXPECT_TRUE(!form.Window.Enabled && form.About->Window.CloseRemoved &&
                form.About->Window.Topmost);
    EXPECT_EQ(form.About->VersionLabel.Caption(), "v.1.1");
    // Links that lead somewhere are blue and open; the maker's two have nowhere to go yet.
    std::string looks;
    for (auto& link : form.About->LabelLink) {
        looks += link.ForeColor == kBlue ? "link " : "text ";
        link.Click();
    }
    EXPECT_EQ(looks, "link link link link text text link ");
    ASSERT_EQ(platform.openedUrls.size(), 5u);
    EXPECT_EQ(platform.openedUrls[3], "https://en.wikipedia.org/wiki/Flight_of_the_Amazon_Queen");
    EXPECT_TRUE(platform.messageBoxes.empty());
    platform.browserStarts = false;
    form.About->LabelLink[2].Click();
    EXPECT_EQ(Boxes(),
              "Quillon: No web browser could be started to open https://www.scummvm.org/.\n");
    EXPECT_NE(form.About, nullptr) << "a link leaves About open";
    form.About->btnOk.Click();
    EXPECT_TRUE(form.About == nullptr && form.Window.Enabled);

    form.CheckAlwaysOnTop.UserClick();
    form.OnHelpClicked();
    ASSERT_NE(form.Help, nullptr);
    EXPECT_TRUE(form.Window.Enabled);
    EXPECT_FALSE(form.Help->Window.Topmost || form.Window.Topmost);
    EXPECT_EQ(form.Help->Rows[9].key, "Pause/Break");
    form.Help->btnOk.Click();
    EXPECT_EQ(form.Help, nullptr);
    EXPECT_EQ(form.Focus.Current(), nullptr);
}

} // namespace
} // namespace quillon::testing
