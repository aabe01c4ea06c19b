// The find window: its parts, its keys, and the search through the open file's messages.
#include "editor/MainWindow.h"

#include "base/AsciiCase.h"

#include <algorithm>

namespace quillon {

namespace {

// The first place needle stands in text, both read through fold; npos when nowhere.
std::size_t FindFolded(const std::string& text, const std::string& needle,
                       const std::array<unsigned char, 256>& fold) {
    if (needle.empty() || needle.size() > text.size()) return std::string::npos;
    const auto same = [&fold](char a, char b) {
        return fold[static_cast<unsigned char>(a)] == fold[static_cast<unsigned char>(b)];
    };
    const auto at = std::search(text.begin(), text.end(), needle.begin(), needle.end(), same);
    return at == text.end() ? std::string::npos : static_cast<std::size_t>(at - text.begin());
}

std::array<unsigned char, 256> Identity() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    return table;
}

} // namespace

std::array<unsigned char, 256> AsciiFold(bool foldCase, bool dropAccents) {
    // The base letter of each Latin-1 letter from 0xC0 on; "." where there is none.
    constexpr std::string_view kBases =
        "AAAAAA.CEEEEIIII.NOOOOO..UUUUY..aaaaaa.ceeeeiiii.nooooo..uuuuy.y";
    static_assert(kBases.size() == 64);
    std::array<unsigned char, 256> table = Identity();
    for (unsigned char& byte : table) {
        if (dropAccents && byte >= 0xC0 && kBases[byte - 0xC0u] != '.')
            byte = static_cast<unsigned char>(kBases[byte - 0xC0u]);
        if (foldCase) byte = static_cast<unsigned char>(AsciiLower(static_cast<char>(byte)));
    }
    return table;
}

FindWindow::FindWindow(MainWindow& owner) : owner_(owner) {
    Window.Caption = " Find";
    Window.Visible = false;
    LabelFind.SetCaption("Find:");
    OptionOriginal.Caption = "Original messages";
    OptionNew.Caption = "New messages";
    OptionBoth.Caption = "Both";
    OptionBoth.Value = true;
    CheckMatchCase.Caption = "Match case";
    CheckIgnoreAccents.Caption = "Ignore accents";
    btnPrevious.Caption = "Previous";
    btnPrevious.ToolTipText = "Shift+Enter";
    btnNext.Caption = "Next";
    btnNext.ToolTipText = "Enter";

    btnNext.Click = [this] { OnNextClicked(); };
    btnPrevious.Click = [this] { OnPreviousClicked(); };
    for (OptionButton* option : {&OptionOriginal, &OptionNew, &OptionBoth})
        option->Click = [this, option] { OnOptionClicked(*option); };
    // A change of the text or of what it is looked for in starts a fresh search.
    TextFind.Change = [this] { LabelStatus.SetCaption(""); };
    CheckMatchCase.Click = [this] { owner_.Focus.SetFocus(TextFind); };
    CheckIgnoreAccents.Click = [this] { owner_.Focus.SetFocus(TextFind); };
}

FindWindow::~FindWindow() {
    FocusTracker& focus = owner_.Focus;
    for (const Control* part : std::initializer_list<const Control*>{
             &Window, &LabelFind, &TextFind, &OptionOriginal, &OptionNew, &OptionBoth,
             &CheckMatchCase, &CheckIgnoreAccents, &btnPrevious, &btnNext, &LabelStatus})
        if (focus.Current() == part) focus.Clear();
}

void FindWindow::OnFindTextTyped(const std::string& forNew,
                                 const std::optional<std::string>& forOriginal) {
    // Nothing to look for in the originals when their page cannot hold the text.
    if (!forOriginal)
        textInOriginalPage_ = std::string();
    else if (*forOriginal != forNew)
        textInOriginalPage_ = *forOriginal;
    else
        textInOriginalPage_.reset();
    TextFind.SetText(forNew);
    TextFind.SelStart = static_cast<int>(forNew.size());
    TextFind.SelLength = 0;
}

void FindWindow::OnFindTextKeyDown(int& keyCode, int& shift) {
    if (owner_.Ended) return;
    if (keyCode == Key::Return) {
        const bool forward = (shift & Modifier::Shift) == 0;
        keyCode = 0;
        shift = 0;
        FindNext(forward);
    } else if (keyCode == Key::Escape) {
        keyCode = 0;
        shift = 0;
        Close(); // this window is gone once it returns
    }
}

void FindWindow::OnNextClicked() {
    FindNext(true);
}

void FindWindow::OnPreviousClicked() {
    FindNext(false);
}

void FindWindow::OnOptionClicked(OptionButton& clicked) {
    for (OptionButton* option : {&OptionOriginal, &OptionNew, &OptionBoth})
        option->Value = option == &clicked;
    LabelStatus.SetCaption("");
    owner_.Focus.SetFocus(TextFind);
}

void FindWindow::FindNext(bool forward) {
    MainWindow& f = owner_;
    // While a question is open the main window takes no command, from here neither.
    if (f.Ended || !f.Window.Enabled) return;
    const std::string& forNew = TextFind.Text();
    const std::string& forOriginal = textInOriginalPage_ ? *textInOriginalPage_ : TextFind.Text();
    if (forNew.empty()) {
        LabelStatus.SetCaption("Type the text to find.");
        f.Focus.SetFocus(TextFind);
        return;
    }
    const bool foldCase = CheckMatchCase.Value() != 1;
    const bool dropAccents = CheckIgnoreAccents.Value() == 1;
    const auto foldOriginal = FoldFor(true, foldCase, dropAccents);
    const auto foldNew = FoldFor(false, foldCase, dropAccents);
    const bool inOriginal = !OptionNew.Value;
    const bool inNew = !OptionOriginal.Value;

    const int count = f.Doc.Count();
    const int current = f.CurrentRow();
    // The shown message is looked at last, after every other one round the end.
    int found = 0;
    for (int step = 1; step <= count && found == 0; ++step) {
        int row = current + (forward ? step : -step);
        row = ((row - 1) % count + count) % count + 1;
        if (f.Doc.At(row).number == 0) continue;
        if ((inNew &&
             FindFolded(f.Tools.AsShown(row, false), forNew, foldNew) != std::string::npos) ||
            (inOriginal && FindFolded(f.Tools.AsShown(row, true), forOriginal, foldOriginal) !=
                               std::string::npos))
            found = row;
    }
    if (found == 0) {
        LabelStatus.SetCaption("Not found.");
        f.Focus.SetFocus(TextFind);
        return;
    }
    if (found == current) {
        LabelStatus.SetCaption("Only this message holds it.");
    } else {
        const bool wrapped = forward ? found < current : found > current;
        const int number = f.Doc.At(found).number;
        f.MessageSlider.Value = number;
        f.ShowCurrentMessage();
        LabelStatus.SetCaption(!wrapped  ? "Message " + std::to_string(number) + "."
                               : forward ? "Went round to the first message."
                                         : "Went round to the last message.");
    }
    // Show where it stands: in the new message when it is there, else in the original.
    std::size_t at =
        inNew ? FindFolded(f.NewMessageBox.Text(), forNew, foldNew) : std::string::npos;
    TextBox& box = at != std::string::npos ? f.NewMessageBox : f.OriginalMessageBox;
    if (at == std::string::npos)
        at = FindFolded(f.OriginalMessageBox.Text(), forOriginal, foldOriginal);
    if (at != std::string::npos) {
        box.SelStart = static_cast<int>(at);
        box.SelLength =
            static_cast<int>(&box == &f.NewMessageBox ? forNew.size() : forOriginal.size());
    }
    f.Focus.SetFocus(TextFind);
}

std::array<unsigned char, 256> FindWindow::FoldFor(bool originalBox, bool foldCase,
                                                   bool dropAccents) const {
    if (!foldCase && !dropAccents) return Identity();
    return Fold ? Fold(originalBox, foldCase, dropAccents) : AsciiFold(foldCase, dropAccents);
}

void FindWindow::Close() {
    MainWindow& owner = owner_;
    std::unique_ptr<FindWindow> closing;
    if (owner.Tools.Find.get() == this) closing = std::move(owner.Tools.Find);
    owner.Focus.SetFocus(owner.NewMessageBox);
}

} // namespace quillon
