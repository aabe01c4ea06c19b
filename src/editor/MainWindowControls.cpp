// The main window as designed: every control's place, caption, tooltip and first state.
#include "editor/MainWindowControls.h"

#include "editor/EditorState.h"

namespace quillon {

namespace {

void Place(Control& c, double left, double top, double width, double height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

} // namespace

const Control* MainWindowControls::ContainerOf(const Control& control) const {
    auto it = containers_.find(&control);
    return it == containers_.end() ? nullptr : it->second;
}

// Positions are in twips; a control inside a frame is placed relative to that frame, the
// way the window system places children.
MainWindowControls::MainWindowControls() {
    auto inFrame = [this](Control& c, const Control& frame, double left, double top, double width,
                          double height) {
        Place(c, left, top, width, height);
        containers_[&c] = &frame;
    };
    auto fixed = [this, &inFrame](const Control* frame, std::string caption, double left,
                                  double top, double width, double height) {
        auto label = std::make_unique<Label>("Fixed" + std::to_string(FixedLabels.size()));
        label->SetCaption(std::move(caption));
        if (frame != nullptr)
            inFrame(*label, *frame, left, top, width, height);
        else
            Place(*label, left, top, width, height);
        FixedLabels.push_back(std::move(label));
    };
    // One row of a frame: the fixed caption on the left, the value label on the right.
    auto row = [&](const Frame& frame, const char* caption, Label& value, double top) {
        fixed(&frame, caption, 120, top, 1300, 255);
        inFrame(value, frame, 1440, top, 1155, 255);
    };

    Window.Caption = std::string("QUILLON cutscene editor v.") + kVersion + " - Velunor";
    Place(Window, 0, 0, 15360, 5520 + 1360 + 340);
    Window.Visible = false;
    // The message boxes take what the user adds to the designed size.
    Window.Sizable = true;

    FileFrame.Caption = "File";
    Place(FileFrame, 80, 270, 2715, 720);
    inFrame(OriginalFileNameLabel, FileFrame, 120, 300, 2475, 255);

    OriginalFileFrame.Caption = "Original file";
    Place(OriginalFileFrame, 80, 1050, 2715, 1580);
    row(OriginalFileFrame, "Message:", OriginalNumberLabel, 300);
    row(OriginalFileFrame, "Total messages:", OriginalCountLabel, 600);
    row(OriginalFileFrame, "File size:", OriginalFileSizeLabel, 900);
    row(OriginalFileFrame, "Text size:", OriginalFileTextSizeLabel, 1200);

    NewFileFrame.Caption = "New file";
    Place(NewFileFrame, 80, 2690, 2715, 2160);
    row(NewFileFrame, "Invalid messages:", InvalidCountLabel, 300);
    row(NewFileFrame, "Blank messages:", BlankCountLabel, 600);
    row(NewFileFrame, "Message:", NewNumberLabel, 900);
    row(NewFileFrame, "Total messages:", NewCountLabel, 1200);
    row(NewFileFrame, "Text size:", NewFileTextSizeLabel, 1500);
    row(NewFileFrame, "File size:", NewFileSizeLabel, 1800);
    InvalidCountLabel.SetCaption("0");
    BlankCountLabel.SetCaption("0");
    NewCountLabel.SetCaption("19");
    // Dark blue until the counters are first computed.
    InvalidCountLabel.ForeColor = kDarkBlue;
    BlankCountLabel.ForeColor = kDarkBlue;

    fixed(nullptr, "Original message", 2900, 120, 9480, 240);
    Place(OriginalMessageBox, 2900, 360, 9480, 2070);
    fixed(nullptr, "New message", 2900, 2540, 1400, 240);
    Place(MessageNoteLabel, 4300, 2540, 4780, 240);
    Place(NewMessageBox, 2900, 2780, 6180, 2070);
    Place(PlayerViewLabel, 9160, 2540, 3220, 240);
    PlayerViewLabel.SetCaption("In the game");
    Place(PlayerViewBox, 9160, 2780, 3220, 2070);
    PlayerViewBox.Locked = true;
    PlayerViewBox.ToolTipText = "The new message as the game lays it out (the original while "
                                "the new one is empty)";

    FrameOriginalMessage.Caption = "Original message";
    Place(FrameOriginalMessage, 12480, 270, 2715, 1280);
    row(FrameOriginalMessage, "Text size:", OriginalTextSizeLabel, 300);
    row(FrameOriginalMessage, "Total size:", OriginalTotalSizeLabel, 600);
    row(FrameOriginalMessage, "Control chars:", OriginalCodeCountLabel, 900);
    FrameNewMessage.Caption = "New message";
    Place(FrameNewMessage, 12480, 1600, 2715, 1280);
    row(FrameNewMessage, "Text size:", NewTextSizeLabel, 300);
    row(FrameNewMessage, "Total size:", NewTotalSizeLabel, 600);
    row(FrameNewMessage, "Control chars:", NewCodeCountLabel, 900);
    for (Label* size :
         {&OriginalTextSizeLabel, &OriginalTotalSizeLabel, &NewTextSizeLabel, &NewTotalSizeLabel})
        size->SetCaption("0 bytes");
    OriginalCodeCountLabel.SetCaption("0");
    NewCodeCountLabel.SetCaption("0");

    // The settings pages are designed apart from one another; opening a file stacks them.
    FrameSettings.Caption = "Settings";
    Place(FrameSettings, 12480, 2920, 2715, 1930);
    OptionSettingsGeneral.Caption = "General";
    OptionSettingsGeneral.ToolTipText = "General program settings";
    OptionSettingsGeneral.Value = true;
    inFrame(OptionSettingsGeneral, FrameSettings, 60, 240, 855, 300);
    OptionSettingsOriginal.Caption = "Original m.";
    OptionSettingsOriginal.ToolTipText = "Original message settings";
    inFrame(OptionSettingsOriginal, FrameSettings, 930, 240, 855, 300);
    OptionSettingsNew.Caption = "New m.";
    OptionSettingsNew.ToolTipText = "New message settings";
    inFrame(OptionSettingsNew, FrameSettings, 1800, 240, 855, 300);
    inFrame(FrameSettingsGeneral, FrameSettings, 60, 600, 2595, 1270);
    inFrame(FrameSettingsOriginal, FrameSettings, 60, 2000, 2595, 1270);
    inFrame(FrameSettingsNew, FrameSettings, 60, 3400, 2595, 1270);
    FrameSettingsOriginal.Visible = false;
    FrameSettingsNew.Visible = false;

    struct CheckDesign {
        CheckBox& box;
        const char* caption;
        const char* tip;
        int value;
    };
    const CheckDesign checks[] = {
        {CheckConfirmCloseOrReplace, "Confirm overwriting/closing files", "", 1},
        {CheckAlwaysOnTop, "Always on top", "", 0},
        {CheckHighlight, "Highlight text automatically", "", 1},
        {CheckRememberLastDirectory, "Remember last directory", "", 1},
        {CheckAutoBackup, "Automatic TMF backup",
         "A .tmf file is created automatically every time the new message changes", 1},
        {CheckHideControlCharacters, "Hide control characters",
         "Use only if you intend not to change any control codes as it uses the ones from the "
         "original text to rebuild them",
         1},
    };
    double checkTop = 40;
    for (const auto& check : checks) {
        check.box.Caption = check.caption;
        check.box.ToolTipText = check.tip;
        check.box.SetValue(check.value); // nothing is wired yet, so no handler runs
        inFrame(check.box, FrameSettingsGeneral, 60, checkTop, 2475, 200);
        checkTop += 200;
    }

    // The two font pages: captions "A" until a file is opened, the script number as tooltip.
    auto fontPage = [&](Frame& page, FontPage& fontPage, const char* prefix, Label& swatch) {
        const std::array<Label*, 5> labels = fontPage.All();
        const char* names[] = {"Font:", "Size:", "Style:", "Script:", "Bg colour:"};
        for (int i = 0; i < 5; ++i) {
            labels[i]->Name = prefix;
            labels[i]->Name.append({'(', static_cast<char>('0' + i), ')'});
            double top = 40 + 220 * i;
            fixed(&page, names[i], 60, top, 800, 200);
            if (i < 4) {
                labels[i]->SetCaption("A");
                inFrame(*labels[i], page, 900, top, 1635, 200);
            }
        }
        // The game's letters, until a file's settings are read.
        fontPage.Script.ToolTipText = std::to_string(BoxStyle{}.Script);
        inFrame(fontPage.ClickArea, page, 0, 0, 2595, 900);
        inFrame(swatch, page, 900, 920, 600, 200);
        swatch.BackColor = kWhite; // the system's window colour
    };
    fontPage(FrameSettingsOriginal, OriginalFontPage, "OriginalFontPage", OriginalBackgroundSwatch);
    fontPage(FrameSettingsNew, NewFontPage, "NewFontPage", NewBackgroundSwatch);

    Place(MessageSlider, 0, 4905, 15280, 255);
    MessageSlider.Min = 1;
    Place(ReadProgressBar, 80, 5265, 15110, 180);
    ReadProgressBar.Value = 0;

    // The command buttons, in two rows.
    Place(FrameButtons, 80, 5520, 15160, 1360);
    struct ButtonDesign {
        CommandButton& button;
        const char* caption;
        const char* tip;
    };
    const ButtonDesign upper[] = {
        {btnRestoreMessage, "Restore message (Esc)", ""},
        {btnClearMessage, "Clear message (Break)", ""},
        {btnCopyOriginalMessage, "Copy original message (F10)", ""},
        {btnPreviousMessage, "Previous (F11)", ""},
        {btnNextMessage, "Next (F12)", ""},
        {btnPreviousFile, "Previous file", "Open (alphabetically) previous .CUT file"},
        {btnCloseFile, "Close file", ""},
        {btnNextFile, "Next file", "Open (alphabetically) next .CUT file"},
    };
    const ButtonDesign lower[] = {
        {btnSaveOriginalMessages, "Save original to text file",
         "Save to Temporary Messages File (.TMF)"},
        {btnSaveNewMessages, "Save to text file", "Save to Temporary Messages File (.TMF)"},
        {btnLoadWorkFile, "Load text file", "Open Temporary Messages File (.TMF)"},
        {btnWriteFile, "Update or create new cutscene file", ""},
        {btnHelp, "Help", ""},
        {btnAbout, "About", "About Quillon cutscene editor"},
        {btnExit, "Exit", ""},
    };
    double left = 120;
    for (const auto& b : upper) {
        b.button.Caption = b.caption;
        b.button.ToolTipText = b.tip;
        inFrame(b.button, FrameButtons, left, 240, 1820, 495);
        left += 1870;
    }
    left = 120;
    for (const auto& b : lower) {
        b.button.Caption = b.caption;
        b.button.ToolTipText = b.tip;
        inFrame(b.button, FrameButtons, left, 780, 2080, 495);
        left += 2140;
    }
    btnWriteFile.Enabled = false;

    // The table lies outside the client area until double-clicks bring it in.
    Place(TableView, 16000, 0, 12000, 5535);
    TableView.Visible = false;
}

} // namespace quillon
