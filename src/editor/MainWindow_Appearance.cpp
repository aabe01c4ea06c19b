// The look of the two message boxes (font and background choosers), the window's own
// behaviour (close command, always on top, settings pages) and the About and Help windows.
#include "editor/MainWindow.h"

#include <utility>

namespace quillon {

namespace {

// The font chooser holds at most 32 bytes of a face name.
constexpr std::size_t kFaceBytes = 32;

std::string StyleWord(int weight, bool italic) {
    if (weight < 600) return italic ? "Italic" : "Regular";
    return italic ? "Bold Italic" : "Bold";
}

// Runs the font chooser for one message box: its labels, its style record and the box.
void ChooseBoxFont(MainWindow& form, std::array<Label, 5>& labels, BoxStyle& style, TextBox& box) {
    FontChoice initial;
    initial.face = style.Face.substr(0, kFaceBytes);
    initial.pointSize = style.Size;
    initial.weight = style.Weight;
    initial.italic = style.Italic;
    initial.underline = style.Underline;
    initial.strikeout = style.Strikeout;
    initial.charset = style.Script & 0xFF;
    initial.colour = box.ForeColor;

    FontChooserResult result = form.platform.ChooseFont(initial);
    if (!result.chosen) {
        // A cancel gives no code and no message.
        if (result.errorCode != 0)
            form.ShowMessage("Common Dialog Error " + std::to_string(result.errorCode), kAppTitle,
                             MsgIcon::Critical);
        return;
    }

    const FontChoice& chosen = result.font;
    const std::string face = chosen.face.substr(0, kFaceBytes);
    box.Font.Name = face;
    box.Font.Size = chosen.pointSize;
    box.Font.Bold = chosen.weight >= 600;
    box.Font.Italic = chosen.italic;
    box.Font.Underline = chosen.underline;
    box.Font.Strikethru = chosen.strikeout;
    box.Font.Charset = chosen.charset;
    box.ForeColor = chosen.colour;

    style.Face = face;
    labels[0].SetCaption(face);
    labels[1].SetCaption(std::to_string(chosen.pointSize));
    style.ForeColor = chosen.colour;
    style.Size = static_cast<std::int16_t>(chosen.pointSize);
    style.Weight = static_cast<std::int16_t>(chosen.weight);
    style.Italic = chosen.italic;
    style.Underline = chosen.underline;
    style.Strikeout = chosen.strikeout;
    labels[2].SetCaption(StyleWord(chosen.weight, chosen.italic));
    style.Script = chosen.charset;
    labels[3].ToolTipText = std::to_string(style.Script);
    labels[3].SetCaption(MainWindow::ScriptName(style.Script));
}

// The swatch carries the colour until the settings are saved; the record is not touched.
void ChooseBoxBackground(MainWindow& form, Label& swatch, TextBox& box) {
    if (!form.SharedFileDialog.ShowColor()) return;
    swatch.BackColor = form.SharedFileDialog.Color;
    box.BackColor = form.SharedFileDialog.Color;
}

} // namespace

void MainWindow::OnOriginalFontPageClicked(int) {
    if (Ended) return;
    ChooseBoxFont(*this, OriginalFontPage, State.OriginalStyle, OriginalMessageBox);
}

void MainWindow::OnNewFontPageClicked(int) {
    if (Ended) return;
    ChooseBoxFont(*this, NewFontPage, State.NewStyle, NewMessageBox);
}

void MainWindow::OnOriginalBackgroundClicked() {
    if (Ended) return;
    ChooseBoxBackground(*this, OriginalBackgroundSwatch, OriginalMessageBox);
}

void MainWindow::OnNewBackgroundClicked() {
    if (Ended) return;
    ChooseBoxBackground(*this, NewBackgroundSwatch, NewMessageBox);
}

void MainWindow::RemoveCloseButton(WindowPart& frm) {
    // Only the close command goes; the window keeps moving, sizing and minimising however
    // often it is opened.
    frm.CloseRemoved = true;
}

void MainWindow::OnAlwaysOnTopClicked() {
    if (Ended) return;
    Window.Topmost = CheckAlwaysOnTop.Value() == 1;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnConfirmCloseOrReplaceClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnHighlightClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnRememberLastDirectoryClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnSettingsGeneralClicked() {
    ShowSettingsPage(OptionSettingsGeneral);
}

void MainWindow::OnSettingsOriginalClicked() {
    ShowSettingsPage(OptionSettingsOriginal);
}

void MainWindow::OnSettingsNewClicked() {
    ShowSettingsPage(OptionSettingsNew);
}

// The three pages lie on one another: the selected button's page is shown, the others hidden.
void MainWindow::ShowSettingsPage(const OptionButton& clicked) {
    if (Ended) return;
    if (clicked.Value) {
        const std::pair<OptionButton*, Frame*> pages[] = {
            {&OptionSettingsGeneral, &FrameSettingsGeneral},
            {&OptionSettingsOriginal, &FrameSettingsOriginal},
            {&OptionSettingsNew, &FrameSettingsNew},
        };
        for (auto [button, page] : pages) {
            button->Value = button == &clicked;
            page->Visible = button == &clicked;
        }
    }
    Focus.SetFocus(NewMessageBox);
}

void MainWindow::OnAboutClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    if (!About) {
        About = std::make_unique<AboutWindow>(*this);
        About->Prepare();
    }
    About->Window.Visible = true;
    RemoveCloseButton(About->Window);
    // About answers alone until its OK: the main window takes no input meanwhile.
    Window.Enabled = false;
    About->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
}

void MainWindow::OnHelpClicked() {
    if (Ended) return;
    Focus.SetFocus(NewMessageBox);
    if (!Help) {
        Help = std::make_unique<HelpWindow>(*this);
        Help->Prepare();
    }
    Help->Window.Visible = true;
    Focus.SetFocus(Help->Window);
    Help->Window.Topmost = CheckAlwaysOnTop.Value() == 1;
}

} // namespace quillon
