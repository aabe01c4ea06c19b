// The About window: logo, name, version, thanks, the seven links and OK.
#include "ui/AuxWindow.h"

#include "ui/Logo.h"
#include "ui/MirrorWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon::ui {

AuxWindow BuildAboutView(AboutWindow& about, const Runner& run, QWidget* owner) {
    AuxWindow aux;
    TopWindow* window = aux.Open(about.Window, TopWindow::Placement::CentreOfOwner, owner);

    auto label = [&](Label& source) {
        auto* widget = new ClickLabel(window);
        aux.mirrors.push_back(std::make_unique<LabelMirror>(source, widget));
        aux.widgets[&source] = widget;
        return widget;
    };

    auto* picture = new QLabel(window);
    picture->setPixmap(QuillonLogo(96));

    QLabel* title = label(about.TitleLabel);
    QFont display = title->font();
    display.setFamilies({QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                         QStringLiteral("Apple Chancery"), QStringLiteral("Monotype Corsiva"),
                         QStringLiteral("serif")});
    display.setPointSizeF(display.pointSizeF() * 2.2);
    display.setItalic(true);
    title->setFont(display);
    QLabel* version = label(about.VersionLabel);
    QLabel* thanks = label(about.ThanksLabel);
    thanks->setWordWrap(true);
    QLabel* linksHeading = label(about.LinksHeading);
    QLabel* notice = label(about.MakerLabel);
    notice->setWordWrap(true);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    notice->setFont(small);

    std::array<ClickLabel*, 7> links{};
    for (std::size_t i = 0; i < links.size(); ++i) {
        Label& source = about.LabelLink[i];
        links[i] = label(source);
        // A link without an address is only a name: it neither looks nor acts like a link.
        if (about.Links[i].empty()) continue;
        links[i]->setCursor(Qt::PointingHandCursor);
        QFont underlined = links[i]->font();
        underlined.setUnderline(true);
        links[i]->setFont(underlined);
        links[i]->Clicked = aux.Guarded(run, [&source] {
            if (source.Click) source.Click();
        });
    }

    WrapButton* ok = aux.AddButton(about.btnOk, run);
    ok->setAutoDefault(true);
    ok->setMinimumWidth(90);
    ok->setMinimumHeight(26);

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(version);
    heading->addWidget(thanks);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    // The rows as designed: 0, 1, 3, then 2 with 6, then 4 with 5.
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    int row = 0;
    auto pair = [&](int left, int right) {
        rows->addWidget(links[static_cast<std::size_t>(left)], row, 0);
        if (right >= 0) {
            rows->addWidget(new QLabel(QStringLiteral("-"), window), row, 1);
            rows->addWidget(links[static_cast<std::size_t>(right)], row, 2);
        }
        ++row;
    };
    pair(0, -1);
    pair(1, -1);
    pair(3, -1);
    pair(2, 6);
    pair(4, 5);
    rows->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(linksHeading);
    layout->addLayout(rows);
    layout->addSpacing(10);
    layout->addWidget(notice);
    layout->addLayout(buttons);
    window->setMinimumWidth(440);
    return aux;
}

} // namespace quillon::ui
