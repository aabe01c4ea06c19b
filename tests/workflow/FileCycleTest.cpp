// Going through the .CUT files of a folder, closing and leaving, with and without the
// question, the settings saved before every change.
#include "EditorSession.h"

namespace quillon::testing {
namespace {

class FileCycle : public EditorSession {
protected:
    FileCycle() {
        // Listed A.CUT, B.CUT, B.CUT.BAK, c.cut, D.CUT, E.CUT; D.CUT holds no text.
        for (const char* name : {"A.CUT", "B.CUT", "B.CUT.BAK", "c.cut", "E.CUT"})
            Put(name, {"Hello", "World"});
        Put("D.CUT", {"", "X"});
    }
};

TEST_F(FileCycle, NeighboursAreUpperCaseCutFilesWithTextInListingOrder) {
    platform.settings.values["Confirm"] = "0";
    struct {
        const char* open;
        bool next;
        const char* lands;
    } moves[] = {
        {"B.CUT", true, "E.CUT"}, // D.CUT has no text and is passed over
        {"E.CUT", false, "B.CUT"},
        {"B.CUT", false, "A.CUT"},
        {"A.CUT", false, "A.CUT"}, // no wrapping round at either end
        {"E.CUT", true, "E.CUT"},
        {"c.cut", true, "c.cut"}, // a lower-case name is no .CUT entry, not even its own
        {"c.cut", false, "E.CUT"},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(std::string(m.open) + (m.next ? " next" : " previous"));
        Open(CutDir() + m.open);
        if (m.next)
            form.btnNextFile_Click();
        else
            form.btnPreviousFile_Click();
        EXPECT_EQ(form.State.CutFileName, m.lands);
        EXPECT_EQ(form.Confirm, nullptr);
    }
    EXPECT_TRUE(platform.messageBoxes.empty());
}

struct CycleCase {
    const char* story;
    char command; // c close, n next, p previous, x exit
    bool confirm;
    bool yes;
};

class CycleCommand : public FileCycle, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(CycleCommand, ActsAfterSavingTheSettingsOrLeavesAllAsItWas) {
    const CycleCase& c = GetParam();
    platform.settings.values["Confirm"] = c.confirm ? "1" : "0";
    Open(CutDir() + "B.CUT");
    form.btnHelp_Click();
    platform.settings.values["Stray"] = "gone once the settings are saved";
    platform.fileDialogAnswers.push_back(CutDir() + "A.CUT"); // for the open dialog after close

    switch (c.command) {
    case 'c':
        form.btnCloseFile_Click();
        break;
    case 'n':
        form.btnNextFile_Click();
        break;
    case 'p':
        form.btnPreviousFile_Click();
        break;
    default:
        form.btnExit_Click();
        break;
    }
    if (c.confirm) {
        EXPECT_EQ(Question(), c.command == 'x' ? "Are you sure you want to exit Quillon?"
                                               : "Are you sure you want to close file B.CUT?");
        EXPECT_EQ(form.Confirm->Label1.Top, 360);
        Answer(c.yes);
    }
    const bool acted = !c.confirm || c.yes;
    EXPECT_EQ(platform.settings.values.count("Stray"), acted ? 0u : 1u);
    EXPECT_EQ(form.Ended, acted && c.command == 'x');
    EXPECT_EQ(platform.quitCalls, form.Ended ? 1 : 0);
    EXPECT_EQ(form.Help == nullptr, form.Ended);
    const char* expected = !acted ? "B.CUT" : c.command == 'n' ? "E.CUT" : "A.CUT";
    if (c.command != 'x') {
        EXPECT_EQ(form.State.CutFileName, expected);
    }
    EXPECT_EQ(platform.fileDialogs.size(), acted && c.command == 'c' ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CycleCommand,
    ::testing::Values(
        CycleCase{"CloseAtOnce", 'c', false, false}, CycleCase{"CloseYes", 'c', true, true},
        CycleCase{"CloseNo", 'c', true, false}, CycleCase{"NextAtOnce", 'n', false, false},
        CycleCase{"NextYes", 'n', true, true}, CycleCase{"NextNo", 'n', true, false},
        CycleCase{"PreviousAtOnce", 'p', false, false}, CycleCase{"PreviousYes", 'p', true, true},
        CycleCase{"PreviousNo", 'p', true, false}, CycleCase{"ExitAtOnce", 'x', false, false},
        CycleCase{"ExitYes", 'x', true, true}, CycleCase{"ExitNo", 'x', true, false}),
    [](const auto& info) { return std::string(info.param.story); });

} // namespace
} // namespace quillon::testing
