// The main window as designed: every control's place, caption, tooltip and first state, and
// the wiring of each control's events to its handler.
#include "workflow/Form1.h"

namespace quillon {

namespace {

void Place(Control& c, double left, double top, double width, double height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

} // namespace

Form1::Form1(Platform& platform_) : platform(platform_), CommonDialog1(platform_) {
    LayOut();
    WireHandlers();
}

Form1::~Form1() = default;

const Control* Form1::ContainerOf(const Control& control) const {
    auto it = containers_.find(&control);
    return it == containers_.end() ? nullptr : it->second;
}

// Positions are in twips; a control inside a frame is placed relative to that frame, the
// way the window system places children.
void Form1::LayOut() {
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

    Form.Caption = std::string("QUILLON cutscene editor v.") + kVersion + " - Velunor";
    Place(Form, 0, 0, 15360, 5520 + 1360 + 340);
    Form.Visible = false;

    Frame1.Caption = "File";
    Place(Frame1, 80, 270, 2715, 720);
    inFrame(LabelOriginalFilename, Frame1, 120, 300, 2475, 255);

    Frame2.Caption = "Original file";
    Place(Frame2, 80, 1050, 2715, 1580);
    row(Frame2, "Message:", LabelOriginalMessage, 300);
    row(Frame2, "Total messages:", LabelOriginalMessages, 600);
    row(Frame2, "File size:", LabelOriginalSize, 900);
    row(Frame2, "Text size:", LabelOriginalTextSize, 1200);

    Frame3.Caption = "New file";
    Place(Frame3, 80, 2690, 2715, 2160);
    row(Frame3, "Invalid messages:", LabelBadMessages, 300);
    row(Frame3, "Blank messages:", LabelBlankMessages, 600);
    row(Frame3, "Message:", LabelNewMessage, 900);
    row(Frame3, "Total messages:", LabelNewMessages, 1200);
    row(Frame3, "Text size:", LabelNewTextSize, 1500);
    row(Frame3, "File size:", LabelNewSize, 1800);
    LabelBadMessages.SetCaption("0");
    LabelBlankMessages.SetCaption("0");
    LabelNewMessages.SetCaption("19");
    // Dark blue until the counters are first computed.
    LabelBadMessages.ForeColor = kDarkBlue;
    LabelBlankMessages.ForeColor = kDarkBlue;

    fixed(nullptr, "Original message", 2900, 120, 9480, 240);
    Place(TextMessageGB, 2900, 360, 9480, 2070);
    fixed(nullptr, "New message", 2900, 2540, 9480, 240);
    Place(TextMessageGR, 2900, 2780, 9480, 2070);

    FrameOriginalMessage.Caption = "Original message";
    Place(FrameOriginalMessage, 12480, 270, 2715, 1280);
    row(FrameOriginalMessage, "Text size:", LabelTextsizeGB, 300);
    row(FrameOriginalMessage, "Total size:", LabelCharactersNumberGB, 600);
    row(FrameOriginalMessage, "Control chars:", LabelControlCharsGB, 900);
    FrameNewMessage.Caption = "New message";
    Place(FrameNewMessage, 12480, 1600, 2715, 1280);
    row(FrameNewMessage, "Text size:", LabelTextsizeGR, 300);
    row(FrameNewMessage, "Total size:", LabelCharactersNumberGR, 600);
    row(FrameNewMessage, "Control chars:", LabelControlCharsGR, 900);
    for (Label* size :
         {&LabelTextsizeGB, &LabelCharactersNumberGB, &LabelTextsizeGR, &LabelCharactersNumberGR})
        size->SetCaption("0 bytes");
    LabelControlCharsGB.SetCaption("0");
    LabelControlCharsGR.SetCaption("0");

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
        {CheckConfirm, "Confirm overwriting/closing files", "", 1},
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
    auto fontPage = [&](Frame& page, std::array<Label, 5>& labels, const char* prefix,
                        Label& swatch) {
        const char* names[] = {"Font:", "Size:", "Style:", "Script:", "Bg color:"};
        for (int i = 0; i < 5; ++i) {
            labels[i].Name = prefix;
            labels[i].Name.append({'(', static_cast<char>('0' + i), ')'});
            double top = 40 + 220 * i;
            fixed(&page, names[i], 60, top, 800, 200);
            if (i < 4) {
                labels[i].SetCaption("A");
                inFrame(labels[i], page, 900, top, 1635, 200);
            }
        }
        labels[3].ToolTipText = std::string(1, '0'); // script 0, Western
        inFrame(labels[4], page, 0, 0, 2595, 900);
        inFrame(swatch, page, 900, 920, 600, 200);
        swatch.BackColor = kWhite; // the system's window colour
    };
    fontPage(FrameSettingsOriginal, LabelFontOriginal, "LabelFontOriginal", LabelBgColorOriginal);
    fontPage(FrameSettingsNew, LabelFontNew, "LabelFontNew", LabelBgColorNew);

    Place(Slider1, 0, 4905, 15280, 255);
    Slider1.Min = 1;
    Place(ProgressBar1, 80, 5265, 15110, 180);
    ProgressBar1.Value = 0;

    // The command buttons, in two rows.
    Place(FrameButtons, 80, 5520, 15160, 1360);
    struct ButtonDesign {
        CommandButton& button;
        const char* caption;
        const char* tip;
    };
    btnSaveFile[0].Name = "btnSaveFile(0)";
    btnSaveFile[1].Name = "btnSaveFile(1)";
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
        {btnSaveFile[1], "Save original to text file", "Save to Temporary Messages File (.TMF)"},
        {btnSaveFile[0], "Save to text file", "Save to Temporary Messages File (.TMF)"},
        {btnOpenFile, "Load text file", "Open Temporary Messages File (.TMF)"},
        {btnCreateNewCUT, "Update or create new cutscene file", ""},
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
    btnCreateNewCUT.Enabled = false;

    // The table lies outside the client area until double-clicks bring it in.
    Place(ListView1, 16000, 0, 12000, 5535);
    ListView1.Visible = false;
}

void Form1::WireHandlers() {
    // Every event first checks that the program is still running: once it has ended, a
    // late event must not touch anything.
    auto on = [this](void (Form1::*handler)()) {
        return [this, handler] {
            if (!Ended) (this->*handler)();
        };
    };
    // A click on a button takes the focus first, the way the window system moves it.
    auto click = [this](CommandButton& button, std::function<void()> handler) {
        button.Click = [this, &button, handler = std::move(handler)] {
            if (Ended) return;
            Focus.SetFocus(button);
            handler();
        };
    };

    TextMessageGB.Change = on(&Form1::TextMessageGB_Change);
    TextMessageGR.Change = on(&Form1::TextMessageGR_Change);
    TextMessageGR.GotFocus = on(&Form1::TextMessageGR_GotFocus);
    Slider1.Scroll = on(&Form1::Slider1_Scroll);

    LabelCharactersNumberGB.Change = on(&Form1::LabelCharactersNumberGB_Change);
    LabelCharactersNumberGR.Change = on(&Form1::LabelCharactersNumberGR_Change);
    LabelControlCharsGB.Change = on(&Form1::LabelControlCharsGB_Change);
    LabelControlCharsGR.Change = on(&Form1::LabelControlCharsGR_Change);
    LabelBadMessages.Change = on(&Form1::LabelBadMessages_Change);
    LabelBlankMessages.Change = on(&Form1::LabelBlankMessages_Change);
    for (int i = 0; i < 5; ++i) {
        LabelFontOriginal[i].Click = [this, i] {
            if (!Ended) LabelFontOriginal_Click(i);
        };
        LabelFontNew[i].Click = [this, i] {
            if (!Ended) LabelFontNew_Click(i);
        };
    }
    LabelBgColorOriginal.Click = on(&Form1::LabelBgColorOriginal_Click);
    LabelBgColorNew.Click = on(&Form1::LabelBgColorNew_Click);

    click(btnRestoreMessage, on(&Form1::btnRestoreMessage_Click));
    click(btnClearMessage, on(&Form1::btnClearMessage_Click));
    click(btnCopyOriginalMessage, on(&Form1::btnCopyOriginalMessage_Click));
    click(btnPreviousMessage, on(&Form1::btnPreviousMessage_Click));
    click(btnNextMessage, on(&Form1::btnNextMessage_Click));
    click(btnPreviousFile, on(&Form1::btnPreviousFile_Click));
    click(btnCloseFile, on(&Form1::btnCloseFile_Click));
    click(btnNextFile, on(&Form1::btnNextFile_Click));
    for (int i = 0; i < 2; ++i)
        click(btnSaveFile[i], [this, i] { btnSaveFile_Click(i); });
    click(btnOpenFile, on(&Form1::btnOpenFile_Click));
    click(btnCreateNewCUT, on(&Form1::btnCreateNewCUT_Click));
    click(btnHelp, on(&Form1::btnHelp_Click));
    click(btnAbout, on(&Form1::btnAbout_Click));
    click(btnExit, on(&Form1::btnExit_Click));

    // CheckAutoBackup has no handler: the backup triggers read it when they run.
    CheckConfirm.Click = on(&Form1::CheckConfirm_Click);
    CheckAlwaysOnTop.Click = on(&Form1::CheckAlwaysOnTop_Click);
    CheckHighlight.Click = on(&Form1::CheckHighlight_Click);
    CheckRememberLastDirectory.Click = on(&Form1::CheckRememberLastDirectory_Click);
    CheckHideControlCharacters.Click = on(&Form1::CheckHideControlCharacters_Click);

    auto option = [this](OptionButton& button, void (Form1::*handler)()) {
        button.Click = [this, &button, handler] {
            if (Ended) return;
            Focus.SetFocus(button);
            (this->*handler)();
        };
    };
    option(OptionSettingsGeneral, &Form1::OptionSettingsGeneral_Click);
    option(OptionSettingsOriginal, &Form1::OptionSettingsOriginal_Click);
    option(OptionSettingsNew, &Form1::OptionSettingsNew_Click);
}

void Form1::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    platform.ShowMessageBox({text, title, icon});
}

void Form1::EndProgram() {
    if (Ended) return;
    Form.Visible = false;
    Ended = true;
    platform.Quit();
}

} // namespace quillon
