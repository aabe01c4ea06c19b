// The About window (version, links, OK) and the Help window (the keys of the message boxes).
#include "editor/MainWindow.h"

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

AboutWindow::AboutWindow(MainWindow& owner) : owner_(owner) {
    Window.Caption = " About Quillon";
    Window.Visible = false;
    TitleLabel.SetCaption("QUILLON cutscene editor");
    MakerLabel.SetCaption("Quillon is made by Velunor for the translators of the game.");
    LinksHeading.SetCaption("Related links:");
    for (std::size_t i = 0; i < LabelLink.size(); ++i) {
        LabelLink[i].Name = "LabelLink";
        LabelLink[i].SetCaption(kLinks[i].caption);
        // Only a link that leads somewhere looks like one.
        if (*kLinks[i].address != '\0') LabelLink[i].ForeColor = kBlue;
        LabelLink[i].Click = [this, i] { OnLinkClicked(static_cast<int>(i)); };
    }
    btnOk.Caption = "OK";
    btnOk.Click = [this] { OnOkClicked(); };
}

AboutWindow::~AboutWindow() {
    const std::initializer_list<const Control*> parts{&Window,      &TitleLabel,   &MakerLabel,
                                                      &ThanksLabel, &VersionLabel, &LinksHeading};
    for (const Control* part : parts)
        DropFocusFrom(owner_.Focus, *part);
    for (const Label& link : LabelLink)
        DropFocusFrom(owner_.Focus, link);
    DropFocusFrom(owner_.Focus, btnOk);
}

void AboutWindow::Prepare() {
    VersionLabel.SetCaption(std::string("v.") + kVersion);
    ThanksLabel.SetCaption("Thanks to everyone who keeps this game alive in their own language.");
    for (std::size_t i = 0; i < Links.size(); ++i)
        Links[i] = kLinks[i].address;
}

void AboutWindow::OnLinkClicked(int Index) {
    if (Index < 0 || Index >= static_cast<int>(Links.size())) return;
    const std::string& address = Links[static_cast<std::size_t>(Index)];
    if (address.empty()) return;
    if (!owner_.platform.OpenUrl(address))
        owner_.ShowMessage("No web browser could be started to open " + address + ".", kAppTitle);
}

void AboutWindow::OnOkClicked() {
    // Keep this window alive until its handler has returned.
    MainWindow& owner = owner_;
    std::unique_ptr<AboutWindow> closing;
    if (owner.About.get() == this) closing = std::move(owner.About);
    owner.Window.Enabled = true;
    owner.Focus.SetFocus(owner.NewMessageBox);
}

HelpWindow::HelpWindow(MainWindow& owner) : owner_(owner) {
    constexpr const char* kOneBlock = "In CUT files, there is only one text block";
    Window.Caption = "Help";
    Window.Visible = false;
    KeysHeading.SetCaption("Keys");
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
        {"Enter",
         "With the control codes hidden: stands for the run of codes between two pieces "
         "of text, put back as in the original",
         "Codes before the first piece and after the last stay as they are; a message whose "
         "codes would not come back exactly is shown with them"},
        {"F9", "Shows how far each text file of the folder is translated",
         "Also from the menu of the \"File\" frame (right-click)"},
        {"Ctrl+F", "Finds a text in the original or the new messages",
         "Enter finds the next, Shift+Enter the previous, Esc closes"},
        {"Ctrl+Z", "Undoes the last change of the new message", ""},
        {"Ctrl+Y, Ctrl+Shift+Z", "Redoes what was undone", ""},
    };
    btnOk.Caption = "OK";
    btnOk.Click = [this] { OnOkClicked(); };
}

HelpWindow::~HelpWindow() {
    const std::initializer_list<const Control*> parts{&Window, &KeysHeading, &btnOk};
    for (const Control* part : parts)
        DropFocusFrom(owner_.Focus, *part);
}

void HelpWindow::Prepare() {
    // Its icon is the main window's, which the toolkit gives every window of the program;
    // the keys it lists are fixed when it is built.
}

void HelpWindow::OnOkClicked() {
    std::unique_ptr<HelpWindow> closing;
    if (owner_.Help.get() == this) closing = std::move(owner_.Help);
}

} // namespace quillon
