// The About window and the Help window, as headless state.
#pragma once

#include "workflow/Controls.h"

#include <array>
#include <string>
#include <vector>

namespace quillon {

class Form1;

class FormAbout {
public:
    explicit FormAbout(Form1& owner);
    ~FormAbout();

    Window Form{"FormAbout"};
    Label Label1{"Label1"}; // "QUILLON cutscene editor"
    Label Label2{"Label2"}; // the maker's notice
    Label Label3{"Label3"}; // thanks line
    Label Label4{"Label4"}; // "v.1.1"
    Label Label11{"Label11"};
    std::array<Label, 7> LabelLink;
    CommandButton cmdOK{"cmdOK"};
    std::array<std::string, 7> Links;

    void Form_Load();
    void LabelLink_Click(int Index);
    void cmdOK_Click();

private:
    Form1& owner_;
};

// One row of the Help window: a key, what it does, and a note shown over the meaning.
struct HelpRow {
    std::string key;
    std::string meaning;
    std::string tooltip;
};

class FormHelp {
public:
    explicit FormHelp(Form1& owner);
    ~FormHelp();

    Window Form{"FormHelp"};
    Label Label21{"Label21"}; // "Buttons"
    std::vector<HelpRow> Rows;
    CommandButton cmdOK{"cmdOK"};

    void Form_Load();
    void cmdOK_Click();

private:
    Form1& owner_;
};

} // namespace quillon
