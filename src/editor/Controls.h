// Headless controls: the state of each window part, and the window system's rule that
// setting a text or caption runs its change handler at once, and only on a real change.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace quillon {

// A colour number: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;      // red 255
inline constexpr Colour kBlue = 0xFF0000;     // blue 255
inline constexpr Colour kDarkBlue = 0xC00000; // blue 192
inline constexpr Colour kDarkRed = 0x0000C0;  // red 192
// The window system's default label text colour (shown as the toolkit's own).
inline constexpr Colour kDefaultText = 0x000000;

struct FontSpec {
    std::string Name = "Arial";
    int Size = 12;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethru = false;
    int Charset = 0;
};

// What every window part has. Positions and sizes are in twips (15 to a pixel).
class Control {
public:
    explicit Control(std::string name = {}) : Name(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    std::string Name;
    bool Visible = true;
    bool Enabled = true;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    std::string ToolTipText;
    Colour ForeColor = kDefaultText;
    Colour BackColor = kWhite;
    FontSpec Font;
    std::function<void()> GotFocus; // run when the control receives the focus from elsewhere
};

class Label : public Control {
public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    // Runs Change at once when the caption really changes.
    void SetCaption(std::string caption) {
        if (caption == caption_) return;
        caption_ = std::move(caption);
        if (Change) Change();
    }
    std::function<void()> Change;
    std::function<void()> Click;

private:
    std::string caption_;
};

// A multi-line text box. Its line break is CR LF.
class TextBox : public Control {
public:
    using Control::Control;
    const std::string& Text() const { return text_; }
    // Runs Change at once when the text really changes; the caret goes to the start.
    void SetText(std::string text) {
        if (text == text_) return;
        text_ = std::move(text);
        SelStart = 0;
        SelLength = 0;
        if (Change) Change();
    }
    int SelStart = 0;
    int SelLength = 0;
    // The user may read and select the text but not change it.
    bool Locked = false;
    std::function<void()> Change;

private:
    std::string text_;
};

class CommandButton : public Control {
public:
    using Control::Control;
    std::string Caption;
    std::function<void()> Click;
};

class CheckBox : public Control {
public:
    using Control::Control;
    std::string Caption;
    int Value() const { return value_; }
    // Setting a different state runs Click, as a click by the user would.
    void SetValue(int value) {
        if (value == value_) return;
        value_ = value;
        if (Click) Click();
    }
    // The user clicks: the state toggles and Click runs.
    void UserClick() { SetValue(value_ == 0 ? 1 : 0); }
    std::function<void()> Click;

private:
    int value_ = 0;
};

// An option button drawn as a push button; the buttons of one group exclude each other
// (the owner clears the others in its handlers).
class OptionButton : public Control {
public:
    using Control::Control;
    std::string Caption;
    bool Value = false;
    // The user clicks: the button is selected and Click runs, even when it already was.
    void UserClick() {
        Value = true;
        if (Click) Click();
    }
    std::function<void()> Click;
};

class Frame : public Control {
public:
    using Control::Control;
    std::string Caption;
    bool Border = true;
};

// Setting Value does not run Scroll: the commands run the display themselves, and the
// platform runs Scroll when the user moves the slider.
class Slider : public Control {
public:
    using Control::Control;
    int Min = 1;
    int Max = 10;
    int Value = 1;
    std::function<void()> Scroll;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    double Max = 100;
    double Value = 0;
};

// The list view that shows the message table, drawn from the main window's document.
class ListView : public Control {
public:
    using Control::Control;
    int SelectedRow = 0; // 1-based row of the table, 0 when none
    int RedrawCount = 0;
};

// A top-level window's own state.
class WindowPart : public Control {
public:
    using Control::Control;
    std::string Caption;
    bool Topmost = false;
    bool CloseRemoved = false; // no close button, and a close request is ignored
    // The user may make the window larger than Width x Height, its designed and smallest size,
    // and maximise it.
    bool Sizable = false;
    // The size the user gave a sizable window, measured as Width and Height are (0: the
    // designed size), and whether it is maximised; the size is the one it comes back to.
    double UserWidth = 0, UserHeight = 0;
    bool Maximized = false;
};

// Which control holds the keyboard focus; moving it runs the receiver's GotFocus.
class FocusTracker {
public:
    Control* Current() const { return current_; }
    void SetFocus(Control& control) {
        if (&control == current_) return;
        current_ = &control;
        if (control.GotFocus) control.GotFocus();
    }
    // The platform tells that the focus went to a control the editor does not track.
    void Clear() { current_ = nullptr; }

private:
    Control* current_ = nullptr;
};

// One message box's font page: the four labels that show its font and the click area under
// them, which opens the font chooser from anywhere on the page.
struct FontPage {
    Label Face;
    Label Size;
    Label Style;  // "Regular", "Bold Italic", ...
    Label Script; // its tooltip shows the script's number
    Label ClickArea;
    // In design order: face, size, style, script, click area.
    std::array<Label*, 5> All() { return {&Face, &Size, &Style, &Script, &ClickArea}; }
};

} // namespace quillon
