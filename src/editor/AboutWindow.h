// The About window and the Help window, as headless state.
#pragma once

#include "editor/Controls.h"

#include <array>
#include <string>
#include <vector>

namespace quillon {

class MainWindow;

class AboutWindow {
public:
    explicit AboutWindow(MainWindow& owner);
    ~AboutWindow();

    WindowPart Window{"AboutWindow"};
    Label TitleLabel{"TitleLabel"};     // "QUILLON cutscene editor"
    Label MakerLabel{"MakerLabel"};     // the maker's notice
    Label ThanksLabel{"ThanksLabel"};   // thanks line
    Label VersionLabel{"VersionLabel"}; // "v.1.1"
    Label LinksHeading{"LinksHeading"};
    std::array<Label, 7> LabelLink;
    CommandButton btnOk{"btnOk"};
    std::array<std::string, 7> Links;

    void Prepare();
    void OnLinkClicked(int Index);
    void OnOkClicked();

private:
    MainWindow& owner_;
};

// One row of the Help window: a key, what it does, and a note shown over the meaning.
struct HelpRow {
    std::string key;
    std::string meaning;
    std::string tooltip;
};

class HelpWindow {
public:
    explicit HelpWindow(MainWindow& owner);
    ~HelpWindow();

    WindowPart Window{"HelpWindow"};
    Label KeysHeading{"KeysHeading"}; // "Keys"
    std::vector<HelpRow> Rows;
    CommandButton btnOk{"btnOk"};

    void Prepare();
    void OnOkClicked();

private:
    MainWindow& owner_;
};

} // namespace quillon
