// The look of one message box: reading, applying and storing it, and its two choosers.
#include "editor/BoxLook.h"

#include "editor/MainWindowControls.h"
#include "settings/Settings.h"

#include <cmath>

namespace quillon {

namespace {

using namespace quillon::settings;

constexpr double kWhiteNumber = 16777215;

// The font chooser holds at most 32 bytes of a face name.
constexpr std::size_t kFaceBytes = 32;

// A colour number the window can show; anything else is treated as not converting.
std::optional<double> ParseColour(const std::string& text) {
    auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < 0 || rounded > kWhiteNumber) return std::nullopt;
    return rounded;
}

// A script number fits the font's one byte.
std::optional<int> ParseScript(const std::string& text) {
    auto number = ParseInt16(text);
    if (!number || *number < 0 || *number > 255) return std::nullopt;
    return *number;
}

// The style page's word for a weight and slant.
const char* StyleWord(int weight, bool italic) {
    if (weight < 600) return italic ? "Italic" : "Regular";
    return italic ? "Bold Italic" : "Bold";
}

Colour ToColour(double colour) {
    return static_cast<Colour>(std::nearbyint(colour));
}

} // namespace

BoxLook::BoxLook(const char* settingsPrefix, FontPage& page, BoxStyle& style, TextBox& box,
                 Label& swatch)
    : prefix_(settingsPrefix), page_(page), style_(style), box_(box), swatch_(swatch) {}

void BoxLook::ResetToDesign() {
    page_.Face.SetCaption("Arial");
    page_.Size.SetCaption("12");
    page_.Style.SetCaption("Regular");
    // The script is kept: it is the font's, and the settings read next may not name one.
    page_.Script.SetCaption(ScriptName(style_.Script));
    style_.Face = "Arial";
    style_.Size = 12;
    style_.Weight = 400;
    style_.Italic = false;
    style_.Underline = false;
    style_.Strikeout = false;
    style_.ForeColor = 0;
}

// Every value that is missing or does not convert leaves its target as it is.
void BoxLook::Read(SettingsStore& store) {
    auto read = [&](const char* value) { return store.Read(BoxValue(prefix_, value)); };
    if (auto face = read(kFont); face && !face->empty()) style_.Face = *face;
    page_.Face.SetCaption(style_.Face);
    if (auto text = read(kFontSize))
        if (auto size = ParseInt16(*text); size && *size >= kMinFontSize && *size <= kMaxFontSize)
            style_.Size = *size;
    if (auto text = read(kFontWeight))
        if (auto weight = ParseInt16(*text)) style_.Weight = *weight;
    if (auto text = read(kItalic))
        if (auto on = ParseBoolean(*text)) style_.Italic = *on;
    if (auto text = read(kUnderline))
        if (auto on = ParseBoolean(*text)) style_.Underline = *on;
    if (auto text = read(kStrikeout))
        if (auto on = ParseBoolean(*text)) style_.Strikeout = *on;
    if (auto text = read(kFontScript))
        if (auto script = ParseScript(*text)) style_.Script = *script;
    // The page shows the script even when none was stored.
    page_.Script.ToolTipText = std::to_string(style_.Script);
    page_.Script.SetCaption(ScriptName(style_.Script));
    if (auto text = read(kFontColor))
        if (auto colour = ParseColour(*text)) style_.ForeColor = *colour;
    // A background that is missing or empty is white.
    auto background = read(kBackgroundColor);
    if (!background || background->empty())
        style_.BackColor = kWhiteNumber;
    else if (auto colour = ParseColour(*background))
        style_.BackColor = *colour;
}

void BoxLook::Apply() {
    box_.Font.Name = style_.Face;
    box_.Font.Charset = style_.Script;
    page_.Size.SetCaption(std::to_string(style_.Size));
    box_.Font.Size = style_.Size;
    page_.Style.SetCaption(StyleWord(style_.Weight, style_.Italic));
    box_.Font.Italic = style_.Italic;
    box_.Font.Bold = style_.Weight >= 600;
    box_.Font.Underline = style_.Underline;
    box_.Font.Strikethru = style_.Strikeout;
    box_.ForeColor = ToColour(style_.ForeColor);
    box_.BackColor = ToColour(style_.BackColor);
    swatch_.BackColor = ToColour(style_.BackColor);
}

void BoxLook::Write(SettingsStore& store) const {
    auto write = [&](const char* value, const std::string& text) {
        store.Write(BoxValue(prefix_, value), text);
    };
    write(kFont, style_.Face);
    write(kFontSize, std::to_string(style_.Size));
    write(kFontWeight, std::to_string(style_.Weight));
    write(kItalic, BooleanText(style_.Italic));
    write(kUnderline, BooleanText(style_.Underline));
    write(kStrikeout, BooleanText(style_.Strikeout));
    write(kFontScript, std::to_string(style_.Script));
    write(kFontColor, NumberText(style_.ForeColor));
    write(kBackgroundColor, NumberText(swatch_.BackColor));
}

void BoxLook::ChooseFont(Platform& platform) {
    FontChoice initial;
    initial.face = style_.Face.substr(0, kFaceBytes);
    initial.pointSize = style_.Size;
    initial.weight = style_.Weight;
    initial.italic = style_.Italic;
    initial.underline = style_.Underline;
    initial.strikeout = style_.Strikeout;
    initial.charset = style_.Script & 0xFF;
    initial.colour = box_.ForeColor;

    FontChooserResult result = platform.ChooseFont(initial);
    if (!result.chosen) {
        // A cancel gives no code and no message.
        if (result.errorCode != 0)
            platform.ShowMessageBox({"Common Dialog Error " + std::to_string(result.errorCode),
                                     kAppTitle, MsgIcon::Critical});
        return;
    }

    const FontChoice& chosen = result.font;
    const std::string face = chosen.face.substr(0, kFaceBytes);
    box_.Font.Name = face;
    box_.Font.Size = chosen.pointSize;
    box_.Font.Bold = chosen.weight >= 600;
    box_.Font.Italic = chosen.italic;
    box_.Font.Underline = chosen.underline;
    box_.Font.Strikethru = chosen.strikeout;
    box_.Font.Charset = chosen.charset;
    box_.ForeColor = chosen.colour;

    style_.Face = face;
    page_.Face.SetCaption(face);
    page_.Size.SetCaption(std::to_string(chosen.pointSize));
    style_.ForeColor = chosen.colour;
    style_.Size = static_cast<std::int16_t>(chosen.pointSize);
    style_.Weight = static_cast<std::int16_t>(chosen.weight);
    style_.Italic = chosen.italic;
    style_.Underline = chosen.underline;
    style_.Strikeout = chosen.strikeout;
    page_.Style.SetCaption(StyleWord(chosen.weight, chosen.italic));
    style_.Script = chosen.charset;
    page_.Script.ToolTipText = std::to_string(style_.Script);
    page_.Script.SetCaption(ScriptName(style_.Script));
}

// The swatch carries the colour until the settings are saved; the record is not touched.
void BoxLook::ChooseBackground(SharedDialog& dialog) {
    if (!dialog.ShowColor()) return;
    swatch_.BackColor = dialog.Color;
    box_.BackColor = dialog.Color;
}

std::string ScriptName(int Number) {
    switch (Number) {
    case 250:
        return "Game letters";
    case 251:
        return "Game letters, Russian";
    case 252:
        return "Game letters, Greek";
    case 253:
        return "Game letters, Hebrew";
    case 0:
        return "Western";
    case 1:
        return "Other";
    case 2:
        return "Symbol";
    case 77:
        return "Mac";
    case 128:
        return "Japanese";
    case 129:
        return "Hangul";
    case 130:
        return "Hangul (Johab)";
    case 134:
        return "Chinese_GB2312";
    case 136:
        return "Chinese_Big5";
    case 161:
        return "Greek";
    case 162:
        return "Turkish";
    case 163:
        return "Vietnamese";
    case 177:
        return "Hebrew";
    case 178:
        return "Arabic";
    case 186:
        return "Baltic";
    case 204:
        return "Cyrillic";
    case 222:
        return "Thai";
    case 238:
        return "Central European";
    case 255:
        return "OEM/DOS";
    default:
        return std::to_string(Number);
    }
}

} // namespace quillon
