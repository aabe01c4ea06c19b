// Going through the .CUT files of a folder, closing and leaving, with and without the
// question, the settings saved before every change.
#include "EditorSession.h"

#include <map>
#include <tuple>

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

// A command, and how it is carried out: at once (no question), or answered Yes or No.
enum Answered { AtOnce, Yes, No };
using CycleCase = std::tuple<char, Answered>;
const std::map<char, void (Form1::*)()> kCommands{{'c', &Form1::btnCloseFile_Click},
                                                  {'n', &Form1::btnNextFile_Click},
                                                  {'p', &Form1::btnPreviousFile_Click},
                                                  {'x', &Form1::btnExit_Click}};

class CycleCommand : public FileCycle, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(CycleCommand, ActsAfterSavingTheSettingsOrLeavesAllAsItWas) {
    const auto [command, answered] = GetParam();
    platform.settings.values["Confirm"] = answered == AtOnce ? "0" : "1";
    Open(CutDir() + "B.CUT");
    form.btnHelp_Click();
    platform.settings.values["Stray"] = "gone once the settings are saved";
    platform.fileDialogAnswers.push_back(CutDir() + "A.CUT"); // for the open dialog after close

    (form.*kCommands.at(command))();
    if (answered != AtOnce) {
        EXPECT_EQ(Question(), command == 'x' ? "Are you sure you want to exit Quillon?"
                                             : "Are you sure you want to close file B.CUT?");
        EXPECT_EQ(form.Confirm->Label1.Top, 360);
        Answer(answered == Yes);
    }
    const bool acted = answered != No;
    EXPECT_EQ(platform.settings.values.count("Stray"), acted ? 0u : 1u);
    EXPECT_EQ(form.Ended, acted && command == 'x');
    EXPECT_EQ(platform.quitCalls, form.Ended ? 1 : 0);
    EXPECT_EQ(form.Help == nullptr, form.Ended);
    const char* expected = !acted ? "B.CUT" : command == 'n' ? "E.CUT" : "A.CUT";
    if (command != 'x') {
        EXPECT_EQ(form.State.CutFileName, expected);
    }
    EXPECT_EQ(platform.fileDialogs.size(), acted && command == 'c' ? 2u : 1u);
}

std::string CaseName(const ::testing::TestParamInfo<CycleCase>& info) {
    static const char* const answers[] = {"AtOnce", "Yes", "No"};
    return std::string(1, std::get<0>(info.param)) + answers[std::get<1>(info.param)];
}
INSTANTIATE_TEST_SUITE_P(Commands, CycleCommand,
                         ::testing::Combine(::testing::Values('c', 'n', 'p', 'x'),
                                            ::testing::Values(AtOnce, Yes, No)),
                         CaseName);

} // namespace
} // namespace quillon::testing
