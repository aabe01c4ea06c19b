// The question window: the invalid-messages report and its growth, and how a question
// holds the main window until Yes or No.
#include "EditorHarness.h"

#include <numeric>

namespace quillon::testing {
namespace {

std::vector<int> Range(int from, int to) {
    std::vector<int> numbers(static_cast<std::size_t>(to - from + 1));
    std::iota(numbers.begin(), numbers.end(), from);
    return numbers;
}
// "1, 2, ..., to"
std::string UpTo(int to) {
    std::string text = "1";
    for (int n = 2; n <= to; ++n)
        text += ", " + std::to_string(n);
    return text;
}

TEST(InvalidReport, ListsTheMessagesInAQuestionWindowThatFitsThem) {
    std::vector<std::string> messages;
    for (int n = 1; n <= 120; ++n)
        messages.push_back("Message " + std::to_string(n));
    const std::string bytes = CutBytes(messages);
    // The invalid messages, the report, and the label top, window height and button tops.
    const std::tuple<std::vector<int>, std::string, const char*> cases[] = {
        {{1}, "The 1st message is invalid.", "240 1940 1040 1040"},
        {{2}, "The 2nd message is invalid.", "240 1940 1040 1040"},
        {{3}, "The 3rd message is invalid.", "240 1940 1040 1040"},
        {{22}, "The 22th message is invalid.", "240 1940 1040 1040"},
        {{5, 7}, "There are 2 invalid messages:\r\n5 and 7.", "120 1940 1040 1040"},
        {{4, 9, 17}, "There are 3 invalid messages:\r\n4, 9 and 17.", "120 1940 1040 1040"},
        {Range(1, 20), "There are 20 invalid messages:\r\n" + UpTo(19) + " and 20.",
         "120 2060 1160 1160"},
        {{5, 104}, "There are 2 invalid messages:\r\n5, 104", "120 1940 1040 1040"},
        {Range(1, 115), "There are 115 invalid messages:\r\n" + UpTo(115),
         "120 1940 1040 1040"}, // too many to grow for
    };
    for (const auto& [invalid, report, layout] : cases) {
        SCOPED_TRACE(report.substr(0, 30));
        Editor e;
        e.Open(e.Put("C40.CUT", bytes));
        e.Raw();
        for (int n : invalid)
            e.Type(n, "x*");
        e.form.btnCreateNewCUT_Click();
        ASSERT_NE(e.form.Confirm, nullptr);
        EXPECT_EQ(e.Question(), report + "\r\nAre you sure you want to create the .CUT file?");
        const FormConfirm& w = *e.form.Confirm;
        std::string shown;
        for (double value : {w.Label1.Top, w.Form.Height, w.btnYes.Top, w.btnNo.Top})
            shown += (shown.empty() ? "" : " ") + std::to_string(static_cast<int>(value));
        EXPECT_EQ(shown, layout);
    }
}

using ConfirmWindow = RawEditor;

TEST_F(ConfirmWindow, AQuestionHoldsTheMainWindowUntilItIsAnswered) {
    platform.settings.values["Confirm"] = "0"; // the report is asked for all the same
    platform.settings.values["Always on top"] = "1";
    Open(Put("C12.CUT", CutBytes({"Hello", "World"})));
    Type(1, "Hola");
    Type(2, "x*");
    Control* typing = form.Focus.Current();

    form.btnCreateNewCUT_Click();
    ASSERT_NE(form.Confirm, nullptr);
    const FormConfirm& window = *form.Confirm;
    EXPECT_EQ(window.Form.Caption, " Confirmation");
    EXPECT_TRUE(window.Form.Visible && window.Form.CloseRemoved && window.Form.Topmost);
    EXPECT_EQ(window.Label1.ForeColor, kDarkRed);
    EXPECT_EQ(form.Focus.Current(), &window.btnNo);
    EXPECT_FALSE(form.Form.Enabled);

    Answer(false);
    EXPECT_TRUE(form.Confirm == nullptr && form.Form.Enabled);
    EXPECT_EQ(form.Focus.Current(), typing);
    EXPECT_EQ(platform.fileDialogs.size(), 1u) << "No must not go on to the save dialog";

    // Yes goes on to the save dialog; cancelling it ends the flow with nothing written.
    form.btnCreateNewCUT_Click();
    Answer(true);
    EXPECT_EQ(form.Confirm, nullptr);
    ASSERT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_TRUE(platform.fileDialogs.back().save);
    EXPECT_TRUE(platform.messageBoxes.empty());
}

} // namespace
} // namespace quillon::testing
