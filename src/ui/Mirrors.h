// Mirrors: each keeps one widget showing one headless control. Sync() compares the control
// with what the widget last showed and changes only what differs, with the widget's signals
// blocked, so nothing echoes back into the handlers.
#pragma once

#include "editor/Controls.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <string>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QProgressBar;
class QSlider;
class QWidget;

namespace quillon::ui {

class ClickLabel;
class FrameBox;
class WrapButton;

class Mirror {
public:
    virtual ~Mirror() = default;
    virtual void Sync() = 0;
};

// How a control follows a window that the user made larger than designed: the share of the
// added width by which its left and right edges move, and of the added height its top and
// bottom edges.
struct Follow {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Place, visibility, enabled state and tooltip: what every control has.
class ControlMirror : public Mirror {
public:
    ControlMirror(const Control& control, QWidget* widget) : control_(control), widget_(widget) {}
    void Sync() override;
    QWidget* Widget() const { return widget_; }
    const Control& Source() const { return control_; }
    // From now on the control follows growth, what its window has beyond its designed size
    // (pixels, held by the caller), as follow says.
    void FollowGrowth(const Follow& follow, const QSize& growth) {
        follow_ = follow;
        growth_ = &growth;
    }
    // Puts the widget where the control is, moved with the window's growth; only a change of
    // place reaches the widget.
    void Place();

protected:
    // The tooltip as shown; a mirror may add to the control's own text.
    virtual QString ToolTip() const;

    const Control& control_;
    QWidget* widget_;

private:
    bool first_ = true;
    Follow follow_;
    const QSize* growth_ = nullptr;
    bool placed_ = false;
    QRect rect_;
    bool visible_ = false, enabled_ = false;
    QString tip_;
};

class LabelMirror : public ControlMirror {
public:
    // A swatch shows the label's back colour with a border; other labels are see-through.
    LabelMirror(const Label& label, QLabel* widget, bool swatch = false);
    void Sync() override;

private:
    const Label& label_;
    QLabel* label_widget_;
    bool swatch_;
    std::optional<std::string> caption_;
    std::optional<Colour> fore_, back_;
    QColor defaultText_;
};

// The script label of a font page: its tooltip is the script number, and says so when the
// script has no code page and its box falls back to Western.
class ScriptLabelMirror : public LabelMirror {
public:
    ScriptLabelMirror(const Label& label, QLabel* widget, const int& script)
        : LabelMirror(label, widget), script_(script) {}

protected:
    QString ToolTip() const override;

private:
    const int& script_; // the box's font script, which the label shows
};

// The face label of a font page: when the stored face is not installed, its tooltip names
// the family the box really shows in its place.
class FaceLabelMirror : public LabelMirror {
public:
    FaceLabelMirror(const Label& label, QLabel* widget) : LabelMirror(label, widget) {}

protected:
    QString ToolTip() const override;

private:
    mutable std::optional<std::string> face_; // the face the note below was made for
    mutable QString note_;
};

class ButtonMirror : public ControlMirror {
public:
    ButtonMirror(const CommandButton& button, WrapButton* widget);
    void Sync() override;

private:
    const CommandButton& button_;
    WrapButton* button_widget_;
    std::optional<std::string> caption_;
};

class CheckMirror : public ControlMirror {
public:
    CheckMirror(const CheckBox& box, QCheckBox* widget);
    void Sync() override;

private:
    const CheckBox& box_;
    QCheckBox* box_widget_;
    std::optional<std::string> caption_;
    std::optional<int> value_;
};

class OptionMirror : public ControlMirror {
public:
    OptionMirror(const OptionButton& option, WrapButton* widget);
    void Sync() override;

private:
    const OptionButton& option_;
    WrapButton* option_widget_;
    std::optional<std::string> caption_;
    std::optional<bool> value_;
};

class FrameMirror : public ControlMirror {
public:
    FrameMirror(const Frame& frame, FrameBox* widget);
    void Sync() override;

private:
    const Frame& frame_;
    FrameBox* frame_widget_;
};

class SliderMirror : public ControlMirror {
public:
    SliderMirror(const Slider& slider, QSlider* widget);
    void Sync() override;

private:
    const Slider& slider_;
    QSlider* slider_widget_;
};

class ProgressMirror : public ControlMirror {
public:
    ProgressMirror(const ProgressBar& bar, QProgressBar* widget);
    void Sync() override;
    // Shows a value at once while a handler is still running (a file being read).
    void ShowNow(double value);

private:
    const ProgressBar& bar_;
    QProgressBar* bar_widget_;
};

} // namespace quillon::ui
