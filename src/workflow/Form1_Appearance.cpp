// The look of the two message boxes (font and background choosers), the window's own
// behaviour (close command, always on top, settings pages) and the About and Help windows.
#include "workflow/Form1.h"

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
void ChooseBoxFont(Form1& form, std::array<Label, 5>& labels, StyleRecord& style, TextBox& box) {
    FontChoice initial;
    initial.face = labels[0].Caption().substr(0, kFaceBytes);
    initial.pointSize = style.Size;
    initial.weight = style.Weight;
    initial.italic = style.Italic;
    initial.underline = style.Underline;
    initial.strikeout = style.Strikeout;
    initial.charset = LeadingInt16(labels[3].ToolTipText) & 0xFF;
    initial.colour = box.ForeColor;

    FontChooserResult result = form.platform.ChooseFont(initial);
    if (!result.chosen) {
        // A cancel gives no code and no message.
        if (result.errorCode != 0)
            form.MsgBox("Common Dialog Error " + std::to_string(result.errorCode), kAppTitle,
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

    labels[0].SetCaption(face);
    labels[1].SetCaption(std::to_string(chosen.pointSize));
    style.ForeColor = chosen.colour;
    style.Size = static_cast<std::int16_t>(chosen.pointSize);
    style.Weight = static_cast<std::int16_t>(chosen.weight);
    style.Italic = chosen.italic;
    style.Underline = chosen.underline;
    style.Strikeout = chosen.strikeout;
    labels[2].SetCaption(StyleWord(chosen.weight, chosen.italic));
    labels[3].ToolTipText = std::to_string(chosen.charset);
    labels[3].SetCaption(Form1::GetScriptName(chosen.charset));
}

// The swatch carries the colour until the settings are saved; the record is not touched.
void ChooseBoxBackground(Form1& form, Label& swatch, TextBox& box) {
    if (!form.CommonDialog1.ShowColor()) return;
    swatch.BackColor = form.CommonDialog1.Color;
    box.BackColor = form.CommonDialog1.Color;
}

} // namespace

void Form1::LabelFontOriginal_Click(int) {
    if (Ended) return;
    ChooseBoxFont(*this, LabelFontOriginal, State.OriginalStyle, TextMessageGB);
}

void Form1::LabelFontNew_Click(int) {
    if (Ended) return;
    ChooseBoxFont(*this, LabelFontNew, State.NewStyle, TextMessageGR);
}

void Form1::LabelBgColorOriginal_Click() {
    if (Ended) return;
    ChooseBoxBackground(*this, LabelBgColorOriginal, TextMessageGB);
}

void Form1::LabelBgColorNew_Click() {
    if (Ended) return;
    ChooseBoxBackground(*this, LabelBgColorNew, TextMessageGR);
}

void Form1::RemoveX(Window& frm) {
    // Only the close command goes; the window keeps moving, sizing and minimising however
    // often it is opened.
    frm.CloseRemoved = true;
}

void Form1::CheckAlwaysOnTop_Click() {
    if (Ended) return;
    Form.Topmost = CheckAlwaysOnTop.Value() == 1;
    Focus.SetFocus(TextMessageGR);
}

void Form1::CheckConfirm_Click() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);
}

void Form1::CheckHighlight_Click() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);
}

void Form1::CheckRememberLastDirectory_Click() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);
}

void Form1::OptionSettingsGeneral_Click() {
    ShowSettingsPage(OptionSettingsGeneral);
}

void Form1::OptionSettingsOriginal_Click() {
    ShowSettingsPage(OptionSettingsOriginal);
}

void Form1::OptionSettingsNew_Click() {
    ShowSettingsPage(OptionSettingsNew);
}

// The three pages lie on one another: the selected button's page is shown, the others hidden.
void Form1::ShowSettingsPage(const OptionButton& clicked) {
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
    Focus.SetFocus(TextMessageGR);
}

void Form1::btnAbout_Click() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);
    if (!About) {
        About = std::make_unique<FormAbout>(*this);
        About->Form_Load();
    }
    About->Form.Visible = true;
    RemoveX(About->Form);
    // About answers alone until its OK: the main window takes no input meanwhile.
    Form.Enabled = false;
    About->Form.Topmost = CheckAlwaysOnTop.Value() == 1;
}

void Form1::btnHelp_Click() {
    if (Ended) return;
    Focus.SetFocus(TextMessageGR);
    if (!Help) {
        Help = std::make_unique<FormHelp>(*this);
        Help->Form_Load();
    }
    Help->Form.Visible = true;
    Focus.SetFocus(Help->Form);
    Help->Form.Topmost = CheckAlwaysOnTop.Value() == 1;
}

} // namespace quillon
