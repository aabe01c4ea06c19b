// The find window: a text looked for in the original messages, the new ones or both, as the
// boxes show them; Enter goes to the next message holding it, Shift+Enter to the previous.
#pragma once

#include "editor/Controls.h"

#include <array>
#include <optional>
#include <string>

namespace quillon {

class MainWindow;

class FindWindow {
public:
    explicit FindWindow(MainWindow& owner);
    ~FindWindow();

    WindowPart Window{"FindWindow"};
    Label LabelFind{"LabelFind"};
    TextBox TextFind{"TextFind"};
    OptionButton OptionOriginal{"OptionOriginal"};
    OptionButton OptionNew{"OptionNew"};
    OptionButton OptionBoth{"OptionBoth"};
    CheckBox CheckMatchCase{"CheckMatchCase"};
    CommandButton btnPrevious{"btnPrevious"};
    CommandButton btnNext{"btnNext"};
    Label LabelStatus{"LabelStatus"};

    // The find text in the original box's code page, when the window knows that it differs
    // from the new box's; otherwise TextFind serves both.
    std::optional<std::string> TextInOriginalPage;
    // Each box's bytes as they compare without regard to case: ASCII letters unless the
    // window gives the letters of the box's code page.
    std::array<unsigned char, 256> FoldOriginal{};
    std::array<unsigned char, 256> FoldNew{};

    void OnFindTextKeyDown(int& keyCode, int& shift);
    void OnNextClicked();
    void OnPreviousClicked();
    void OnOptionClicked(OptionButton& clicked);
    // Goes to the next (or previous) message holding the text, round the end once.
    void FindNext(bool forward);
    // Esc: the window goes and the focus returns to the new-message box.
    void Close();

private:
    MainWindow& owner_;
};

// The ASCII letters folded to lower case, every other byte as it is.
std::array<unsigned char, 256> AsciiFold();

} // namespace quillon
