// The font chooser of the message boxes: face, size 8 to 24, style, underline, strike-out,
// script and colour in one dialog (Qt's own font dialog has neither script nor colour).
#pragma once

#include "editor/Platform.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quillon::ui {

class FontChooser : public QDialog {
    Q_OBJECT
public:
    explicit FontChooser(const FontChoice& initial, QWidget* parent = nullptr);

    FontChoice Choice() const;

    // The parts, named so a test can fill the dialog as a user would.
    QFontComboBox* Face() const { return face_; }
    QSpinBox* Size() const { return size_; }
    QComboBox* Style() const { return style_; }
    QCheckBox* Underline() const { return underline_; }
    QCheckBox* Strikeout() const { return strikeout_; }
    QComboBox* Script() const { return script_; }
    void SetColour(std::uint32_t colour);

private:
    void UpdatePreview();

    FontChoice initial_;
    std::uint32_t colour_ = 0;
    QFontComboBox* face_;
    QSpinBox* size_;
    QComboBox* style_;
    QCheckBox* underline_;
    QCheckBox* strikeout_;
    QComboBox* script_;
    QPushButton* colourButton_;
    QLabel* preview_;
};

} // namespace quillon::ui
