// The Help window: the keys of the message boxes and what each does.
#include "ui/AuxWindow.h"

#include "ui/MirrorWidgets.h"
#include "ui/UiText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon::ui {

AuxWindow BuildHelpView(HelpWindow& help, const Runner& run, QWidget* owner) {
    AuxWindow aux;
    TopWindow* window = aux.Open(help.Window, TopWindow::Placement::CentreOfOwner, owner);
    // Its close command stays: closing it is the same as OK.
    window->CloseRequested = aux.Guarded(run, [&help] { help.OnOkClicked(); });

    auto* heading = new QLabel(window);
    aux.mirrors.push_back(std::make_unique<LabelMirror>(help.KeysHeading, heading));
    aux.widgets[&help.KeysHeading] = heading;
    QFont rounded = heading->font();
    rounded.setFamilies({QStringLiteral("URW Gothic"), QStringLiteral("Century Gothic"),
                         QStringLiteral("Avant Garde"), QStringLiteral("sans-serif")});
    rounded.setPointSizeF(rounded.pointSizeF() * 1.8);
    rounded.setBold(true);
    heading->setFont(rounded);

    QFont condensed = heading->font();
    condensed.setFamilies({QStringLiteral("DejaVu Sans Condensed"),
                           QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Arial Narrow"),
                           QStringLiteral("sans-serif")});
    condensed.setPointSizeF(window->font().pointSizeF() * 1.1);
    condensed.setBold(true);
    condensed.setStretch(QFont::Condensed);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(18);
    rows->setVerticalSpacing(6);
    int row = 0;
    for (const HelpRow& entry : help.Rows) {
        auto* key = new QLabel(FromProgramText(entry.key), window);
        key->setFont(condensed);
        auto* meaning = new QLabel(FromProgramText(entry.meaning), window);
        meaning->setToolTip(FromProgramText(entry.tooltip));
        rows->addWidget(key, row, 0);
        rows->addWidget(meaning, row, 1);
        ++row;
    }

    WrapButton* ok = aux.AddButton(help.btnOk, run);
    ok->setAutoDefault(true);
    ok->setMinimumWidth(90);
    ok->setMinimumHeight(26);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->addWidget(heading);
    layout->addSpacing(8);
    layout->addLayout(rows);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    return aux;
}

} // namespace quillon::ui
