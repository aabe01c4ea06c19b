// The message boxes' font dialog.
#include "ui/FontChooser.h"

#include "editor/MainWindow.h"
#include "ui/CodePages.h"
#include "ui/Colours.h"
#include "ui/TopWindow.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quillon::ui {
namespace {

// The scripts the dialog offers, in the order of the script-name table.
// The game's own letters come first.
constexpr std::array<int, 23> kScripts = {250, 251, 252, 253, 0,   1,   2,   77,
                                          128, 129, 130, 134, 136, 161, 162, 163,
                                          177, 178, 186, 204, 222, 238, 255};
constexpr int kMinSize = kMinFontSize;
constexpr int kMaxSize = kMaxFontSize;
enum StyleIndex { kRegular, kItalic, kBold, kBoldItalic };

QString ScriptLabel(int script) {
    QString name = FromProgramText(ScriptName(script));
    if (name.isEmpty()) name = QString::number(script);
    if (CodePageForScript(script).fellBack) name += QStringLiteral(" (text shown as Western)");
    return name;
}

} // namespace

FontChooser::FontChooser(const FontChoice& initial, QWidget* parent)
    : QDialog(parent), initial_(initial), colour_(initial.colour) {
    setWindowTitle(QStringLiteral("Font"));

    // Only installed families can be chosen, and the chooser opens on the family that the
    // box really shows for its stored face (a face that is not installed is replaced by one
    // that is, and that one is named).
    face_ = new QFontComboBox(this);
    face_->setEditable(false);
    const QString used = QFontInfo(QFont(FromProgramText(initial.face))).family();
    const int usedIndex = face_->findText(used, Qt::MatchFixedString);
    if (usedIndex >= 0)
        face_->setCurrentIndex(usedIndex);
    else
        face_->setCurrentFont(QFont(used));

    size_ = new QSpinBox(this);
    size_->setRange(kMinSize, kMaxSize);
    size_->setValue(std::clamp(initial.pointSize, kMinSize, kMaxSize));

    style_ = new QComboBox(this);
    style_->addItems({QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                      QStringLiteral("Bold Italic")});
    const bool bold = initial.weight >= 600;
    style_->setCurrentIndex(bold ? (initial.italic ? kBoldItalic : kBold)
                                 : (initial.italic ? kItalic : kRegular));

    underline_ = new QCheckBox(QStringLiteral("Underline"), this);
    underline_->setChecked(initial.underline);
    strikeout_ = new QCheckBox(QStringLiteral("Strike-out"), this);
    strikeout_->setChecked(initial.strikeout);

    script_ = new QComboBox(this);
    for (int script : kScripts)
        script_->addItem(ScriptLabel(script), script);
    int index = script_->findData(initial.charset);
    if (index < 0) {
        // A script number from the settings that the table does not name stays choosable.
        script_->addItem(ScriptLabel(initial.charset), initial.charset);
        index = script_->count() - 1;
    }
    script_->setCurrentIndex(index);

    colourButton_ = new QPushButton(QStringLiteral("Colour..."), this);
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        QColorDialog dialog(ToQColor(colour_), this);
        dialog.setWindowTitle(QStringLiteral("Font colour"));
        FollowOnTop(dialog, this);
        if (dialog.exec() == QDialog::Accepted && dialog.selectedColor().isValid())
            SetColour(FromQColor(dialog.selectedColor()));
    });

    preview_ = new QLabel(QStringLiteral("AaBbYyZz 0123"), this);
    preview_->setMinimumSize(260, 60);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Font:"), face_);
    form->addRow(QStringLiteral("Size:"), size_);
    form->addRow(QStringLiteral("Style:"), style_);
    form->addRow(QStringLiteral("Effects:"), underline_);
    form->addRow(QString(), strikeout_);
    form->addRow(QStringLiteral("Script:"), script_);
    form->addRow(QStringLiteral("Colour:"), colourButton_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(preview_);
    layout->addWidget(buttons);

    connect(face_, &QComboBox::currentTextChanged, this, &FontChooser::UpdatePreview);
    connect(size_, &QSpinBox::valueChanged, this, &FontChooser::UpdatePreview);
    connect(style_, &QComboBox::currentIndexChanged, this, &FontChooser::UpdatePreview);
    connect(underline_, &QCheckBox::toggled, this, &FontChooser::UpdatePreview);
    connect(strikeout_, &QCheckBox::toggled, this, &FontChooser::UpdatePreview);
    SetColour(colour_);
}

void FontChooser::SetColour(std::uint32_t colour) {
    colour_ = colour;
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(colour));
    colourButton_->setIcon(QIcon(swatch));
    UpdatePreview();
}

void FontChooser::UpdatePreview() {
    const FontChoice choice = Choice();
    QFont font(FromProgramText(choice.face));
    font.setPointSize(choice.pointSize);
    font.setBold(choice.weight >= 600);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeout);
    preview_->setFont(font);
    QPalette palette = preview_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(choice.colour));
    preview_->setPalette(palette);
}

FontChoice FontChooser::Choice() const {
    FontChoice choice;
    // As the list names it, "Family [foundry]" for a family that several foundries make,
    // which the font system resolves to that very face.
    choice.face = ToProgramText(face_->currentText());
    choice.pointSize = size_->value();
    const int style = style_->currentIndex();
    const bool bold = style == kBold || style == kBoldItalic;
    // A semibold face keeps its own weight as long as the user leaves it bold.
    choice.weight = bold == (initial_.weight >= 600) ? initial_.weight : (bold ? 700 : 400);
    choice.italic = style == kItalic || style == kBoldItalic;
    choice.underline = underline_->isChecked();
    choice.strikeout = strikeout_->isChecked();
    choice.charset = script_->currentData().toInt();
    choice.colour = colour_;
    return choice;
}

} // namespace quillon::ui
