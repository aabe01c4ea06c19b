// The find window: a text looked for in the original messages, the new ones or both, as the
// boxes show them; Enter goes to the next message holding it, Shift+Enter to the previous.
#pragma once

#include "editor/Controls.h"

#include <array>
#include <functional>
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
    CheckBox CheckIgnoreAccents{"CheckIgnoreAccents"};
    CommandButton btnPrevious{"btnPrevious"};
    CommandButton btnNext{"btnNext"};
    Label LabelStatus{"LabelStatus"};

    // Asked on every search for a box's bytes as they compare without regard to case, to
    // accents, or both: only the window that shows the boxes knows the letters of their code
    // pages. Unset: ASCII letters for case and Latin-1 letters for accents, in both boxes.
    std::function<std::array<unsigned char, 256>(bool originalBox, bool foldCase, bool dropAccents)>
        Fold;

    // The user typed the find text: its bytes in the new box's code page, and in the original
    // box's (nothing when that page cannot hold it).
    void OnFindTextTyped(const std::string& forNew, const std::optional<std::string>& forOriginal);
    void OnFindTextKeyDown(int& keyCode, int& shift);
    void OnNextClicked();
    void OnPreviousClicked();
    void OnOptionClicked(OptionButton& clicked);
    // Goes to the next (or previous) message holding the text, round the end once.
    void FindNext(bool forward);
    // Esc: the window goes and the focus returns to the new-message box.
    void Close();

private:
    std::array<unsigned char, 256> FoldFor(bool originalBox, bool foldCase, bool dropAccents) const;

    MainWindow& owner_;
    // The find text in the original box's code page, when it differs from the new box's;
    // otherwise TextFind serves both.
    std::optional<std::string> textInOriginalPage_;
};

// The ASCII letters folded to lower case (when foldCase) and the accented Latin-1 letters to
// their base letters (when dropAccents), every other byte as it is.
std::array<unsigned char, 256> AsciiFold(bool foldCase = true, bool dropAccents = false);

} // namespace quillon
