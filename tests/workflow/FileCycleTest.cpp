// Closing the file, moving to the next or previous one and leaving, with and without the
// question, the settings saved before every change.
#include "EditorHarness.h"

#include <map>
#include <tuple>

namespace quillon::testing {
namespace {

// A command, and how it is carried out: at once (no question), or answered Yes or No.
enum Answered { AtOnce, Yes, No };
using CycleCase = std::tuple<char, Answered>;
const std::map<char, void (Form1::*)()> kCommands{{'c', &Form1::btnCloseFile_Click},
                                                  {'n', &Form1::btnNextFile_Click},
                                                  {'p', &Form1::btnPreviousFile_Click},
                                                  {'x', &Form1::btnExit_Click}};

struct CycleCommand : RawEditor, ::testing::WithParamInterface<CycleCase> {};

TEST_P(CycleCommand, ActsAfterSavingTheSettingsOrLeavesAllAsItWas) {
    const auto [command, answered] = GetParam();
    // Listed A.CUT, B.CUT, B.CUT.BAK, c.cut, D.CUT, E.CUT: next passes over the lower-case
    // name and D.CUT, which holds no text.
    for (const char* name : {"A.CUT", "B.CUT", "B.CUT.BAK", "c.cut", "E.CUT"})
        Put(name, CutBytes({"Hello", "World"}));
    Put("D.CUT", CutBytes({"", "X"}));
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
    if (command != 'x') {
        EXPECT_EQ(form.State.CutFileName, !acted ? "B.CUT" : command == 'n' ? "E.CUT" : "A.CUT");
    }
    EXPECT_EQ(platform.fileDialogs.size(), acted && command == 'c' ? 2u : 1u);
    EXPECT_TRUE(platform.messageBoxes.empty());
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
