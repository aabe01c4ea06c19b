// The plain controls' mirrors.
#include "ui/Mirrors.h"

#include "ui/CodePages.h"
#include "ui/Colours.h"
#include "ui/MirrorWidgets.h"
#include "ui/Twips.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon::ui {
namespace {

int ClampToInt(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::llround(std::clamp(value, double(std::numeric_limits<int>::min()),
                                                    double(std::numeric_limits<int>::max()))));
}

} // namespace

QString ControlMirror::ToolTip() const {
    return FromProgramLines(control_.ToolTipText);
}

void ControlMirror::Place() {
    const Control& c = control_;
    // A control without a size is placed by its window's layout instead.
    if (c.Width <= 0 || c.Height <= 0) return;
    QRect rect = PxRect(c.Left, c.Top, c.Width, c.Height);
    if (growth_ != nullptr) {
        auto share = [](double part, int pixels) {
            return static_cast<int>(std::lround(part * pixels));
        };
        const int x = growth_->width(), y = growth_->height();
        rect.adjust(share(follow_.left, x), share(follow_.top, y), share(follow_.right, x),
                    share(follow_.bottom, y));
    }
    if (placed_ && rect == rect_) return;
    placed_ = true;
    rect_ = rect;
    widget_->setGeometry(rect);
}

void ControlMirror::Sync() {
    const Control& c = control_;
    Place();
    if (first_ || c.Visible != visible_) {
        visible_ = c.Visible;
        widget_->setVisible(c.Visible);
    }
    if (first_ || c.Enabled != enabled_) {
        enabled_ = c.Enabled;
        widget_->setEnabled(c.Enabled);
    }
    const QString tip = ToolTip();
    if (first_ || tip != tip_) {
        tip_ = tip;
        widget_->setToolTip(tip);
    }
    first_ = false;
}

LabelMirror::LabelMirror(const Label& label, QLabel* widget, bool swatch)
    : ControlMirror(label, widget), label_(label), label_widget_(widget), swatch_(swatch),
      defaultText_(widget->palette().color(QPalette::WindowText)) {
    if (swatch_) {
        widget->setFrameShape(QFrame::Box);
        widget->setAutoFillBackground(true);
    }
}

void LabelMirror::Sync() {
    ControlMirror::Sync();
    QSignalBlocker block(label_widget_);
    if (caption_ != label_.Caption()) {
        caption_ = label_.Caption();
        label_widget_->setText(FromProgramLines(*caption_));
    }
    if (fore_ != label_.ForeColor || (swatch_ && back_ != label_.BackColor)) {
        fore_ = label_.ForeColor;
        back_ = label_.BackColor;
        QPalette palette = label_widget_->palette();
        palette.setColor(QPalette::WindowText, label_.ForeColor == kDefaultText
                                                   ? defaultText_
                                                   : ToQColor(label_.ForeColor));
        if (swatch_) palette.setColor(QPalette::Window, ToQColor(label_.BackColor));
        label_widget_->setPalette(palette);
    }
}

QString ScriptLabelMirror::ToolTip() const {
    const QString number = ControlMirror::ToolTip();
    if (!CodePageForScript(script_ & 0xFF).fellBack) return number;
    return QStringLiteral("%1 (no code page for this script: text is shown and typed as Western, "
                          "Windows-1252)")
        .arg(number);
}

QString FaceLabelMirror::ToolTip() const {
    // Worked out once per face: the tooltip is asked for on every keystroke's refresh.
    const std::string& face = static_cast<const Label&>(control_).Caption();
    if (face_ != face) {
        face_ = face;
        const QString family = FromProgramText(face);
        note_.clear();
        if (!family.isEmpty() && !QFontDatabase::hasFamily(family))
            note_ = QStringLiteral("%1 is not installed: the box shows %2")
                        .arg(family, QFontInfo(QFont(family)).family());
    }
    return note_;
}

ButtonMirror::ButtonMirror(const CommandButton& button, WrapButton* widget)
    : ControlMirror(button, widget), button_(button), button_widget_(widget) {}

void ButtonMirror::Sync() {
    ControlMirror::Sync();
    if (caption_ != button_.Caption) {
        caption_ = button_.Caption;
        button_widget_->SetCaption(FromProgramText(*caption_));
    }
}

CheckMirror::CheckMirror(const CheckBox& box, QCheckBox* widget)
    : ControlMirror(box, widget), box_(box), box_widget_(widget) {}

void CheckMirror::Sync() {
    ControlMirror::Sync();
    QSignalBlocker block(box_widget_);
    if (caption_ != box_.Caption) {
        caption_ = box_.Caption;
        box_widget_->setText(FromProgramText(*caption_));
    }
    // The widget toggles itself on a click; put it back to what the control holds.
    if (value_ != box_.Value() || box_widget_->isChecked() != (box_.Value() != 0)) {
        value_ = box_.Value();
        box_widget_->setChecked(*value_ != 0);
    }
}

OptionMirror::OptionMirror(const OptionButton& option, WrapButton* widget)
    : ControlMirror(option, widget), option_(option), option_widget_(widget) {
    widget->setCheckable(true);
    widget->setAutoExclusive(false); // the handlers clear the other buttons of the group
}

void OptionMirror::Sync() {
    ControlMirror::Sync();
    QSignalBlocker block(option_widget_);
    if (caption_ != option_.Caption) {
        caption_ = option_.Caption;
        option_widget_->SetCaption(FromProgramText(*caption_));
    }
    if (value_ != option_.Value || option_widget_->isChecked() != option_.Value) {
        value_ = option_.Value;
        option_widget_->setChecked(option_.Value);
    }
}

FrameMirror::FrameMirror(const Frame& frame, FrameBox* widget)
    : ControlMirror(frame, widget), frame_(frame), frame_widget_(widget) {}

void FrameMirror::Sync() {
    ControlMirror::Sync();
    frame_widget_->SetCaption(FromProgramText(frame_.Caption));
    frame_widget_->SetBorder(frame_.Border);
}

SliderMirror::SliderMirror(const Slider& slider, QSlider* widget)
    : ControlMirror(slider, widget), slider_(slider), slider_widget_(widget) {}

void SliderMirror::Sync() {
    ControlMirror::Sync();
    QSignalBlocker block(slider_widget_);
    if (slider_widget_->minimum() != slider_.Min || slider_widget_->maximum() != slider_.Max)
        slider_widget_->setRange(slider_.Min, std::max(slider_.Min, slider_.Max));
    if (slider_widget_->value() != slider_.Value) slider_widget_->setValue(slider_.Value);
}

ProgressMirror::ProgressMirror(const ProgressBar& bar, QProgressBar* widget)
    : ControlMirror(bar, widget), bar_(bar), bar_widget_(widget) {
    widget->setTextVisible(false);
    widget->setMinimum(0);
}

void ProgressMirror::Sync() {
    ControlMirror::Sync();
    const int maximum = std::max(1, ClampToInt(bar_.Max));
    if (bar_widget_->maximum() != maximum) bar_widget_->setMaximum(maximum);
    const int value = std::clamp(ClampToInt(bar_.Value), 0, maximum);
    if (bar_widget_->value() != value) bar_widget_->setValue(value);
}

void ProgressMirror::ShowNow(double value) {
    const int maximum = std::max(1, ClampToInt(bar_.Max));
    bar_widget_->setMaximum(maximum);
    bar_widget_->setValue(std::clamp(ClampToInt(value), 0, maximum));
    if (bar_widget_->isVisible()) bar_widget_->repaint();
}

} // namespace quillon::ui
