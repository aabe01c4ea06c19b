// The About window and the Help window, as headless state.
#pragma once

#include "workflow/Controls.h"

#include <array>
#include <string>

namespace quillon {

class Form1;

class FormAbout {
public:
    explicit FormAbout(Form1& owner);

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

class FormHelp {
public:
    explicit FormHelp(Form1& owner);

    Window Form{"FormHelp"};
    CommandButton cmdOK{"cmdOK"};

    void Form_Load();
    void cmdOK_Click();

private:
    Form1& owner_;
};

} // namespace quillon
