// The About window (version, links, OK) and the Help window (the keys of the message boxes).
#include "workflow/Form1.h"

namespace quillon {

namespace {

// Indexed like LabelLink; the rows on screen are 0, 1, 3, then 2 with 6, then 4 with 5.
struct Link {
    const char* caption;
    const char* address;
};
constexpr std::array<Link, 7> kLinks{{
    {"John Passfield", "https://en.wikipedia.org/wiki/John_Passfield"},
    {"Steve Stamatiadis", "https://en.wikipedia.org/wiki/Steve_Stamatiadis"},
    {"ScummVM", "https://www.scummvm.org/"},
    {"Flight of the Amazon Queen Wiki", "https://en.wikipedia.org/wiki/Flight_of_the_Amazon_Queen"},
    // The maker has no web site or forum of its own yet: named, but nothing to open.
    {"Velunor", ""},
    {"Velunor forums", ""},
    {"ScummVM forums", "https://forums.scummvm.org/"},
}};

// A window being destroyed must not keep the focus on one of its parts.
void DropFocusFrom(FocusTracker& focus, const Control& part) {
    if (focus.Current() == &part) focus.Clear();
}

} // namespace

FormAbout::FormAbout(Form1& owner) : owner_(owner) {
    Form.Caption = " About Quillon";
    Form.Visible = false;
    Label1.SetCaption("QUILLON cutscene editor");
    Label2.SetCaption("Quillon is made by Velunor for the translators of the game.");
    Label11.SetCaption("Relative links:");
    for (std::size_t i = 0; i < LabelLink.size(); ++i) {
        LabelLink[i].Name = "LabelLink";
        LabelLink[i].SetCaption(kLinks[i].caption);
        // Only a link that leads somewhere looks like one.
        if (*kLinks[i].address != '\0') LabelLink[i].ForeColor = kBlue;
        LabelLink[i].Click = [this, i] { LabelLink_Click(static_cast<int>(i)); };
    }
    cmdOK.Caption = "OK";
    cmdOK.Click = [this] { cmdOK_Click(); };
}

FormAbout::~FormAbout() {
    const std::initializer_list<const Control*> parts{&Form,   &Label1, &Label2,
                                                      &Label3, &Label4, &Label11};
    for (const Control* part : parts)
        DropFocusFrom(owner_.Focus, *part);
    for (const Label& link : LabelLink)
        DropFocusFrom(owner_.Focus, link);
    DropFocusFrom(owner_.Focus, cmdOK);
}

void FormAbout::Form_Load() {
    Label4.SetCaption(std::string("v.") + kVersion);
    Label3.SetCaption("Thanks to everyone who keeps this game alive in their own language.");
    for (std::size_t i = 0; i < Links.size(); ++i)
        Links[i] = kLinks[i].address;
}

void FormAbout::LabelLink_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(Links.size())) return;
    const std::string& address = Links[static_cast<std::size_t>(Index)];
    if (address.empty()) return;
    if (!owner_.platform.OpenUrl(address))
        owner_.MsgBox("No web browser could be started to open " + address + ".", kAppTitle);
}

void FormAbout::cmdOK_Click() {
    // Keep this window alive until its handler has returned.
    Form1& owner = owner_;
    std::unique_ptr<FormAbout> closing;
    if (owner.About.get() == this) closing = std::move(owner.About);
    owner.Form.Enabled = true;
    owner.Focus.SetFocus(owner.TextMessageGR);
}

FormHelp::FormHelp(Form1& owner) : owner_(owner) {
    constexpr const char* kOneBlock = "In CUT files, there is only one text block";
    Form.Caption = "Help";
    Form.Visible = false;
    Label21.SetCaption("Buttons");
    Rows = {
        {"Esc", "Restores the message to how it was when selected", ""},
        {"F1", "Takes you to the first message of the first text block", ""},
        {"F2", "Takes you to the first message of the second text block", kOneBlock},
        {"F3", "Takes you to the first message of the third text block", kOneBlock},
        {"F4", "Takes you to the first message of the fourth text block", kOneBlock},
        {"F5", "Takes you to the last message", ""},
        {"F10", "Copies the original message to the new one", ""},
        {"F11", "Takes you to the previous message", ""},
        {"F12", "Takes you to the next message", ""},
        {"Pause/Break", "Clears the message", ""},
        {"F7", "Takes you to the next invalid message", ""},
        {"Shift+F7", "Takes you to the previous invalid message", ""},
        {"F8", "Takes you to the next blank message", ""},
        {"Shift+F8", "Takes you to the previous blank message", ""},
        {"F9", "Shows how far each .CUT file of the folder is translated",
         "Also from the menu of the \"File\" frame (right-click)"},
        {"Ctrl+F", "Finds a text in the original or the new messages",
         "Enter finds the next, Shift+Enter the previous, Esc closes"},
        {"Ctrl+Z", "Undoes the last change of the new message", ""},
        {"Ctrl+Y, Ctrl+Shift+Z", "Redoes what was undone", ""},
    };
    cmdOK.Caption = "OK";
    cmdOK.Click = [this] { cmdOK_Click(); };
}

FormHelp::~FormHelp() {
    const std::initializer_list<const Control*> parts{&Form, &Label21, &cmdOK};
    for (const Control* part : parts)
        DropFocusFrom(owner_.Focus, *part);
}

void FormHelp::Form_Load() {
    // Its icon is the main window's, which the toolkit gives every window of the program;
    // the keys it lists are fixed when it is built.
}

void FormHelp::cmdOK_Click() {
    std::unique_ptr<FormHelp> closing;
    if (owner_.Help.get() == this) closing = std::move(owner_.Help);
}

} // namespace quillon
