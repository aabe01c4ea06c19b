// Settings surviving a save and a load, stored texts that do not convert, the program folder;
// the fonts of the message boxes; "Always on top" reaching About and Help. (The colours, the
// settings pages and the rest of About and Help are checked in the Qt window,
// EditorWindowTest.cpp, which drives the same handlers.)
#include "settings/Settings.h"
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

TEST(Settings, StoredTextsConvertOrAreRefusedAndTheProgramFolderIsTheFirstThatWorks) {
    using namespace settings;
    const std::pair<const char*, std::optional<bool>> booleans[] = {
        {"True", true}, {"false", false}, {"-1", true}, {"0", false},
        {"2.5", true},  {"yes", {}},      {"", {}},     {"1x", {}}};
    for (const auto& [text, expected] : booleans)
        EXPECT_EQ(ParseBoolean(text), expected) << text;
    const std::pair<const char*, std::optional<std::int16_t>> integers[] = {
        {"12", 12},    {" -7 ", -7}, {"12.5", 12}, {"13.5", 14},
        {"40000", {}}, {"12px", {}}, {"", {}},     {"True", {}}};
    for (const auto& [text, expected] : integers)
        EXPECT_EQ(ParseInt16(text), expected) << text;

    // The program folder is the first that works, whatever its name.
    TempDir temp;
    const fs::path exe = temp.path / PathFromUtf8("Programme/Übersetzer"); // UTF-8, as held
    fs::create_directories(exe);
    const std::string exeFolder = Utf8FromPath(exe), data = Utf8FromPath(temp.path);
    EXPECT_EQ(ChooseProgramFolder("/opt/quillon/", exeFolder, "x") + " " +
                  ChooseProgramFolder("Ü/", exeFolder, "x"),
              "/opt/quillon Ü");
    EXPECT_EQ(ChooseProgramFolder("", exeFolder, "x") + " " +
                  ChooseProgramFolder(nullptr, exeFolder, "x"),
              exeFolder + " " + exeFolder);
    EXPECT_EQ(ChooseProgramFolder(nullptr, Utf8FromPath(exe / "gone"), data), data);
    EXPECT_TRUE(fs::is_empty(exe)); // the probe file is gone again
}

std::string FontCaptions(const FontPage& labels) {
    return Captions({&labels.Face, &labels.Size, &labels.Style, &labels.Script});
}

TEST(Settings, FirstRunStatesASaveThatComesBackAndValuesThatDoNotConvert) {
    Editor e;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello*01World"})));
    MainWindow& f = e.form;
    EXPECT_EQ(FontCaptions(f.OriginalFontPage) + " / " + FontCaptions(f.NewFontPage),
              "Arial | 12 | Regular | Game letters / Arial | 12 | Regular | Game letters");
    EXPECT_TRUE(f.NewMessageBox.BackColor == kWhite &&
                f.OriginalBackgroundSwatch.BackColor == kWhite);
    for (CheckBox* box :
         {&f.CheckConfirmCloseOrReplace, &f.CheckHighlight, &f.CheckRememberLastDirectory,
          &f.CheckAutoBackup, &f.CheckHideControlCharacters, &f.CheckAlwaysOnTop})
        EXPECT_EQ(box->Value(), box == &f.CheckAlwaysOnTop ? 0 : 1) << box->Name;

    f.CheckConfirmCloseOrReplace.SetValue(0);
    f.CheckHideControlCharacters.SetValue(0);
    f.State.NewStyle = {.Face = "Courier New",
                        .Script = 161,
                        .Italic = true,
                        .Size = 14,
                        .Weight = 700,
                        .ForeColor = 32768};
    f.NewBackgroundSwatch.BackColor = 65535;
    e.platform.settings.values["Written by someone else"] = "1";
    f.Settings.Save();

    auto& stored = e.platform.settings.values;
    EXPECT_TRUE(stored.size() == settings::AllValueNames().size() &&
                stored.count("Written by someone else") == 0);
    EXPECT_EQ(stored["Confirm"] + stored["Always on top"] + " " + stored["New message Italic"] +
                  " " + stored["Original message Italic"] + " " + stored["New message Font color"],
              "00 True False 32768");

    Editor next;
    next.platform.settings.values = stored;
    next.Open(next.Put("C12.CUT", CutBytes({"Hello*01World"})));
    MainWindow& g = next.form;
    // Confirm off, and raw mode back.
    EXPECT_EQ(std::to_string(g.CheckConfirmCloseOrReplace.Value()) + g.OriginalMessageBox.Text(),
              "0Hello*01World");
    EXPECT_EQ(FontCaptions(g.NewFontPage) + " / " + g.OriginalFontPage.Face.Caption(),
              "Courier New | 14 | Bold Italic | Greek / Arial");
    const auto& font = g.NewMessageBox.Font;
    EXPECT_EQ(font.Name + " " + std::to_string(font.Charset), "Courier New 161");
    EXPECT_TRUE(font.Bold && font.Italic);
    EXPECT_TRUE(g.NewMessageBox.BackColor == 65535 && g.NewBackgroundSwatch.BackColor == 65535);
    EXPECT_EQ(g.NewMessageBox.ForeColor, 32768u); // the new message is valid: its own colour

    // Values that do not convert leave what was there; an empty background is white again.
    next.platform.settings.values = {{"Original message Font size", "big"},
                                     {"Confirm", "yes"},
                                     {"Always on top", "7"},
                                     {"Original message Font color", "red"},
                                     {"New message Background color", ""},
                                     {"Original message Italic", "-1"},
                                     {"Original message Font weight", "600"},
                                     {"New message Font weight", "599"},
                                     {"New message Font script", "100"}};
    g.OpenFile(next.CutDir() + "C12.CUT");
    EXPECT_TRUE(g.State.OriginalStyle.Size == 12 && g.CheckConfirmCloseOrReplace.Value() == 0 &&
                g.CheckAlwaysOnTop.Value() == 0);
    EXPECT_TRUE(g.OriginalMessageBox.ForeColor == kBlack && g.NewMessageBox.BackColor == kWhite);
    EXPECT_EQ(Captions({&g.OriginalFontPage.Style, &g.NewFontPage.Style, &g.NewFontPage.Script}),
              "Bold Italic | Regular | 100");

    // Only the sizes the font chooser offers are taken; any other falls back to 12.
    std::string sizes;
    for (const char* stored : {"3000", "40", "25", "8", "24", "7", "0", "-12"}) {
        next.platform.settings.values = {{"New message Font size", stored}};
        g.OpenFile(next.CutDir() + "C12.CUT");
        sizes += g.NewFontPage.Size.Caption() + std::to_string(g.NewMessageBox.Font.Size) + " ";
    }
    EXPECT_EQ(sizes, "1212 1212 1212 88 2424 1212 1212 1212 ");
}

struct Appearance : RawEditor {
    Appearance() { Open(Put("C12.CUT", CutBytes({"Hello", "World"}))); }
    // Face, size, style word, script name and script number.
    static std::string Shown(const FontPage& labels) {
        return Captions({&labels.Face, &labels.Size, &labels.Style, &labels.Script}) + " | " +
               labels.Script.ToolTipText;
    }
};

TEST_F(Appearance, TheFontChooserStartsFromTheBoxAndRestylesItOnly) {
    platform.fontAnswers.push_back({true, 0, {"Arial", 14, 700, true, true, false, 161, kRed}});
    form.Settings.OnNewFontPageClicked();
    const FontChoice& asked = platform.fontRequests.back();
    EXPECT_EQ(asked.face + " " + std::to_string(asked.pointSize) + " " +
                  std::to_string(asked.weight) + " " + std::to_string(asked.charset),
              "Arial 12 400 250");
    EXPECT_EQ(Shown(form.NewFontPage), "Arial | 14 | Bold Italic | Greek | 161");
    const auto& font = form.NewMessageBox.Font;
    EXPECT_TRUE(font.Size == 14 && font.Bold && font.Italic && font.Underline &&
                form.NewMessageBox.ForeColor == kRed && form.State.NewStyle.Weight == 700);
    form.Settings.Save(); // the chosen style is the one stored
    EXPECT_EQ(platform.settings.values["New message Italic"], "True");

    // The style word turns bold at 600; unknown scripts show their number; long faces are cut.
    const std::string face(32, 'F');
    for (const auto& [weight, charset, shown] :
         {std::tuple{600, 100, " | 10 | Bold | 100 | 100"},
          std::tuple{500, 204, " | 10 | Regular | Cyrillic | 204"}}) {
        platform.fontAnswers.push_back(
            {true, 0, {face + "cut off", 10, weight, false, false, false, charset, kBlack}});
        form.Settings.OnOriginalFontPageClicked();
        EXPECT_EQ(Shown(form.OriginalFontPage), face + shown);
    }
    EXPECT_EQ(platform.fontRequests.back().face, face);

    // A cancel says nothing; a failure says which; neither changes the box.
    const std::string before = Shown(form.OriginalFontPage);
    platform.fontAnswers = {{false, 0, {}}, {false, 12, {}}};
    form.Settings.OnOriginalFontPageClicked();
    form.Settings.OnOriginalFontPageClicked();
    EXPECT_EQ(Shown(form.OriginalFontPage) + " " +
                  std::to_string(form.OriginalMessageBox.Font.Size),
              before + " 10");
    EXPECT_EQ(Boxes(), "Quillon: Common Dialog Error 12\n");
    EXPECT_EQ(platform.messageBoxes[0].icon, MsgIcon::Critical);
}

// "Always on top" reaches the windows the main window opens: they must not go behind it.
TEST(Settings, AlwaysOnTopKeepsAboutAndHelpAboveTheMainWindow) {
    Editor e;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "World"})));
    e.form.CheckAlwaysOnTop.UserClick();
    e.form.btnAbout.Click();
    ASSERT_NE(e.form.About, nullptr);
    // About answers alone, without a close command of its own: only its OK ends it.
    EXPECT_TRUE(e.form.About->Window.Topmost && e.form.About->Window.CloseRemoved &&
                !e.form.Window.Enabled);
    e.form.About.reset();
    e.form.Window.Enabled = true;
    e.form.btnHelp.Click();
    ASSERT_NE(e.form.Help, nullptr);
    EXPECT_TRUE(e.form.Help->Window.Topmost && e.form.Help->Window.Visible);
}

// The main window's size as the user left it comes back in the next run, maximised or not;
// within a run each file keeps the size the user gave the window.
TEST(Settings, TheWindowSizeComesBackNextRunAndStaysFromFileToFile) {
    Editor e;
    MainWindow& f = e.form;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "World"})));
    auto size = [](const MainWindow& form) {
        const WindowPart& w = form.Window;
        return settings::NumberText(w.UserWidth) + "x" + settings::NumberText(w.UserHeight) +
               (w.Maximized ? " maximised" : "");
    };
    auto stored = [&e] {
        auto& values = e.platform.settings.values;
        return values["Window width"] + "x" + values["Window height"] + " " +
               values["Window maximized"];
    };
    // Never resized: the designed size is kept.
    EXPECT_TRUE(f.Window.Sizable);
    f.Settings.Save();
    EXPECT_EQ(stored(), "15360x7220 False");

    // Maximised, the window keeps the size it is restored to; nothing is smaller than designed.
    f.Settings.OnWindowResized(18360, 9000, false);
    f.Settings.OnWindowResized(19290, 15455, true);
    EXPECT_EQ(size(f), "18360x9000 maximised");
    f.Settings.Save();
    EXPECT_EQ(stored(), "18360x9000 True");
    f.Settings.OnWindowResized(9000, 30000, false);
    EXPECT_EQ(size(f), "15360x30000");

    Editor next;
    next.platform.settings.values = e.platform.settings.values;
    next.Open(next.Put("C12.CUT", CutBytes({"Hello", "World"})));
    EXPECT_EQ(size(next.form), "18360x9000 maximised");
    // A file opened later in the run keeps the size the window has now, not the stored one.
    next.form.Settings.OnWindowResized(16000, 8000, false);
    next.Open(next.CutDir() + "C12.CUT");
    EXPECT_EQ(size(next.form), "16000x8000");

    // Stored sizes below the design, beyond any screen or not numbers leave the designed size.
    std::string sizes;
    for (const char* width : {"15359", "300000", "wide", "20000.4"}) {
        Editor other;
        other.platform.settings.values = {
            {"Window width", width}, {"Window height", "7220"}, {"Window maximized", "maybe"}};
        other.Open(other.Put("C12.CUT", CutBytes({"Hello", "World"})));
        sizes += size(other.form) + " ";
    }
    EXPECT_EQ(sizes, "0x7220 0x7220 0x7220 20000x7220 ");
}

} // namespace
} // namespace quillon::testing
