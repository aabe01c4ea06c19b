// Loading the stored settings into the window and the style records, saving them back, and
// the names of the font scripts.
#include "editor/MainWindow.h"

#include "settings/Settings.h"

#include <cmath>

namespace quillon {

namespace {

using namespace quillon::settings;

// What one message box's nine values are read into and written from.
struct BoxSettings {
    const char* prefix;
    std::array<Label, 5>& labels;
    BoxStyle& style;
    TextBox& box;
    Label& swatch;
};

constexpr double kWhiteNumber = 16777215;

// The six option check boxes with their value names, in the order they are read and written.
std::array<std::pair<const char*, CheckBox*>, 6> OptionChecks(MainWindow& form) {
    return {{
        {kHideControlCharacters, &form.CheckHideControlCharacters},
        {kHighlight, &form.CheckHighlight},
        {kAutoBackup, &form.CheckAutoBackup},
        {kRememberLastDirectory, &form.CheckRememberLastDirectory},
        {kConfirm, &form.CheckConfirmCloseOrReplace},
        {kAlwaysOnTop, &form.CheckAlwaysOnTop},
    }};
}

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

// Every value that is missing or does not convert leaves its target as it is.
void ReadBox(SettingsStore& store, const BoxSettings& b) {
    auto read = [&](const char* value) { return store.Read(BoxValue(b.prefix, value)); };
    if (auto face = read(kFont); face && !face->empty()) b.style.Face = *face;
    b.labels[0].SetCaption(b.style.Face);
    if (auto text = read(kFontSize))
        if (auto size = ParseInt16(*text); size && *size >= kMinFontSize && *size <= kMaxFontSize)
            b.style.Size = *size;
    if (auto text = read(kFontWeight))
        if (auto weight = ParseInt16(*text)) b.style.Weight = *weight;
    if (auto text = read(kItalic))
        if (auto on = ParseBoolean(*text)) b.style.Italic = *on;
    if (auto text = read(kUnderline))
        if (auto on = ParseBoolean(*text)) b.style.Underline = *on;
    if (auto text = read(kStrikeout))
        if (auto on = ParseBoolean(*text)) b.style.Strikeout = *on;
    if (auto text = read(kFontScript))
        if (auto script = ParseScript(*text)) b.style.Script = *script;
    // The page shows the script even when none was stored.
    b.labels[3].ToolTipText = std::to_string(b.style.Script);
    b.labels[3].SetCaption(MainWindow::ScriptName(b.style.Script));
    if (auto text = read(kFontColor))
        if (auto colour = ParseColour(*text)) b.style.ForeColor = *colour;
    // A background that is missing or empty is white.
    auto background = read(kBackgroundColor);
    if (!background || background->empty())
        b.style.BackColor = kWhiteNumber;
    else if (auto colour = ParseColour(*background))
        b.style.BackColor = *colour;
}

const char* StyleWord(const BoxStyle& style) {
    const bool bold = style.Weight >= 600;
    if (bold) return style.Italic ? "Bold Italic" : "Bold";
    return style.Italic ? "Italic" : "Regular";
}

Colour ToColour(double colour) {
    return static_cast<Colour>(std::nearbyint(colour));
}

void ApplyBox(const BoxSettings& b) {
    b.box.Font.Name = b.style.Face;
    b.box.Font.Charset = b.style.Script;
    b.labels[1].SetCaption(std::to_string(b.style.Size));
    b.box.Font.Size = b.style.Size;
    b.labels[2].SetCaption(StyleWord(b.style));
    b.box.Font.Italic = b.style.Italic;
    b.box.Font.Bold = b.style.Weight >= 600;
    b.box.Font.Underline = b.style.Underline;
    b.box.Font.Strikethru = b.style.Strikeout;
    b.box.ForeColor = ToColour(b.style.ForeColor);
    b.box.BackColor = ToColour(b.style.BackColor);
    b.swatch.BackColor = ToColour(b.style.BackColor);
}

void WriteBox(SettingsStore& store, const BoxSettings& b) {
    auto write = [&](const char* value, const std::string& text) {
        store.Write(BoxValue(b.prefix, value), text);
    };
    write(kFont, b.style.Face);
    write(kFontSize, std::to_string(b.style.Size));
    write(kFontWeight, std::to_string(b.style.Weight));
    write(kItalic, BooleanText(b.style.Italic));
    write(kUnderline, BooleanText(b.style.Underline));
    write(kStrikeout, BooleanText(b.style.Strikeout));
    write(kFontScript, std::to_string(b.style.Script));
    write(kFontColor, NumberText(b.style.ForeColor));
    write(kBackgroundColor, NumberText(b.swatch.BackColor));
}

} // namespace

void MainWindow::LoadSettings() {
    if (Ended) return;
    SettingsStore& store = platform.Settings();
    // A changed state runs the box's click handler, as a click would.
    for (const auto& [name, box] : OptionChecks(*this)) {
        if (auto text = store.Read(name))
            if (auto state = ParseInt16(*text); state && (*state == 0 || *state == 1))
                box->SetValue(*state);
        if (Ended) return;
    }

    const BoxSettings original{kOriginalPrefix, OriginalFontPage, State.OriginalStyle,
                               OriginalMessageBox, OriginalBackgroundSwatch};
    const BoxSettings fresh{kNewPrefix, NewFontPage, State.NewStyle, NewMessageBox,
                            NewBackgroundSwatch};
    ReadBox(store, original);
    ReadBox(store, fresh);
    ApplyBox(original);
    ApplyBox(fresh);
}

void MainWindow::SaveSettings() {
    if (Ended) return;
    SettingsStore& store = platform.Settings();
    if (auto last = store.Read(kLastDirectory)) State.LastDirectory = *last;
    const std::optional<std::string> workFolder = store.Read(kWorkFolder);
    // The whole key is rebuilt, so a value no longer written does not linger.
    store.DeleteKey();
    store.Write(kLastDirectory, State.LastDirectory);
    if (workFolder) store.Write(kWorkFolder, *workFolder);
    for (const auto& [name, box] : OptionChecks(*this))
        store.Write(name, std::to_string(box->Value()));
    WriteBox(store, {kOriginalPrefix, OriginalFontPage, State.OriginalStyle, OriginalMessageBox,
                     OriginalBackgroundSwatch});
    WriteBox(store, {kNewPrefix, NewFontPage, State.NewStyle, NewMessageBox, NewBackgroundSwatch});
}

std::string MainWindow::ScriptName(int Number) {
    switch (Number) {
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
