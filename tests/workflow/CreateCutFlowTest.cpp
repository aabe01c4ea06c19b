// Writing the translated .CUT file: a new file, a replaced one, the open file updated in
// place, with and without the questions, and the writes that must not happen.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

// Data on both sides of the text block, so a writer that loses or shifts it is caught.
std::string Bank(const std::vector<std::string>& messages) {
    return CutBytes(messages, 16);
}
const std::vector<std::string> kOriginal{"Hello*AB", "", "X", "Good day"};
// "Hola*AB" and the 17-byte text each gain a space to keep their original's parity.
const std::vector<std::string> kWritten{"Hola *AB", "", "X", "Buenos dias amigo "};

struct CreateCut : RawEditor {
    std::string TranslateC12(int confirm) {
        platform.settings.values["Confirm"] = std::to_string(confirm);
        const std::string path = Put("C12.CUT", Bank(kOriginal));
        Open(path);
        Type(1, "Hola*AB");
        Type(2, "Buenos dias amigo");
        return path;
    }
};

struct TargetCase {
    const char* story;
    const char* target;   // the name chosen in the save dialog
    const char* existing; // what is already there; nullptr for nothing
    int confirm;
    const char* question; // "" when none is asked
    bool yes;
    const char* outcome; // "created", "updated" or "" (nothing written)
};

struct CreateCutTarget : CreateCut, ::testing::WithParamInterface<TargetCase> {};

TEST_P(CreateCutTarget, WritesWhatTheUserAgreedTo) {
    const TargetCase& c = GetParam();
    const std::string open = TranslateC12(c.confirm);
    const std::string target = CutDir() + c.target;
    const std::string before = c.existing ? c.existing : ReadBytes(open);
    if (c.existing) WriteBytes(target, c.existing);
    const std::size_t boxes = platform.messageBoxes.size();

    platform.fileDialogAnswers.push_back(target);
    form.btnCreateNewCUT_Click();
    EXPECT_EQ(Question(), c.question);
    if (*c.question) Answer(c.yes);
    EXPECT_TRUE(form.Form.Enabled);

    const std::string outcome = c.outcome;
    if (outcome == "created") {
        EXPECT_EQ(ReadBytes(target), Bank(kWritten));
        EXPECT_EQ(LastMessage(), "CUT file is created!");
        EXPECT_EQ(platform.messageBoxes.back().title, "");
        // The open file stays, and its table keeps the padding that was written.
        EXPECT_EQ(form.State.CutFileName, "C12.CUT");
        EXPECT_EQ(Cell(1, ColNewMessage), "Hola *AB");
        EXPECT_EQ(form.TextMessageGR.Text(), "Buenos dias amigo");
    } else if (outcome == "updated") {
        EXPECT_EQ(ReadBytes(open), Bank(kWritten));
        EXPECT_EQ(ReadBytes(open + ".BAK"), Bank(kOriginal));
        EXPECT_FALSE(fs::exists(open + ".TEMP"));
        EXPECT_EQ(LastMessage(), "CUT file is updated!");
        // The file is opened again at its first message, with nothing typed yet.
        EXPECT_EQ(form.TextMessageGB.Text() + "|" + form.TextMessageGR.Text(), "Hola *AB|");
    } else {
        EXPECT_EQ(ReadBytes(c.existing ? target : open), before);
        EXPECT_EQ(platform.messageBoxes.size(), boxes);
        EXPECT_EQ(Cell(1, ColNewMessage), "Hola*AB");
    }
}

// Longer than the new file, so a replacement that only overwrites its start is caught.
constexpr const char* kLongOld = "an older translation of this cutscene, much longer than the "
                                 "file that replaces it, which must not leave a byte behind";
constexpr const char* kReplace = "File OLD.CUT already exists.\r\nDo you want to replace it?";
constexpr const char* kUpdate = "Do you want to update C12.CUT?";
INSTANTIATE_TEST_SUITE_P(
    Stories, CreateCutTarget,
    ::testing::Values(TargetCase{"NewName", "NEW.CUT", nullptr, 1, "", false, "created"},
                      TargetCase{"EmptyFileTakenWithoutAsking", "NEW.CUT", "", 1, "", 0, "created"},
                      TargetCase{"OtherFileConfirmOff", "OLD.CUT", kLongOld, 0, "", 0, "created"},
                      TargetCase{"OtherFileYes", "OLD.CUT", kLongOld, 1, kReplace, 1, "created"},
                      TargetCase{"OtherFileNo", "OLD.CUT", "keep me", 1, kReplace, 0, ""},
                      TargetCase{"OpenFileConfirmOff", "C12.CUT", nullptr, 0, "", 0, "updated"},
                      TargetCase{"OpenFileYes", "C12.CUT", nullptr, 1, kUpdate, 1, "updated"},
                      TargetCase{"OpenFileNo", "C12.CUT", nullptr, 1, kUpdate, 0, ""},
                      TargetCase{"OpenFileInOtherCase", "c12.cut", nullptr, 0, "", 0, "updated"}),
    [](const auto& info) { return std::string(info.param.story); });

TEST_F(CreateCut, SaveDialogOffersTheOpenFileAndACancelChangesNothing) {
    const std::string open = TranslateC12(1);
    form.btnCreateNewCUT_Click(); // the dialog is cancelled
    const FileDialogRequest& asked = platform.fileDialogs.back();
    EXPECT_EQ(asked.title, "Create new Flight of the Amazon Queen Cutscene file (.CUT)");
    EXPECT_EQ(asked.fileName, "C12.CUT");
    EXPECT_EQ(asked.filter, "Flight of the Amazon Queen Cutscene files (*.CUT)|*.cut");
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(ReadBytes(open), Bank(kOriginal));
    EXPECT_EQ(std::distance(fs::directory_iterator(CutDir()), fs::directory_iterator()), 1);
    EXPECT_EQ(Cell(1, ColNewMessage), "Hola*AB");
}

TEST_F(CreateCut, WritesTheFormatCannotHoldAreRefusedWithTheFilesUntouched) {
    const std::string open = TranslateC12(0);
    // 255 bytes against an even original: the padding would make it 256.
    Type(2, std::string(255, 'a'));
    platform.fileDialogAnswers.push_back(CutDir() + "NEW.CUT");
    form.btnCreateNewCUT_Click();
    EXPECT_EQ(platform.fileDialogs.size(), 1u) << "no save dialog for an unwritable table";
    EXPECT_EQ(platform.messageBoxes.back().title, kAppTitle);
    EXPECT_FALSE(fs::exists(CutDir() + "NEW.CUT"));

    // A folder that does not exist: the failure names the file and nothing else changes.
    Type(2, "Buenos dias amigo");
    platform.fileDialogAnswers = {CutDir() + "gone" + kPathSeparator + "NEW.CUT"};
    form.btnCreateNewCUT_Click();
    EXPECT_NE(LastMessage().find("NEW.CUT"), std::string::npos) << LastMessage();
    EXPECT_EQ(platform.messageBoxes.back().title, kAppTitle);
    EXPECT_EQ(ReadBytes(open), Bank(kOriginal));
    EXPECT_EQ(Cell(1, ColNewMessage), "Hola*AB");
    // The dialog itself succeeded, so its folder is remembered.
    EXPECT_EQ(platform.settings.values["Last directory"], CutDir() + "gone" + kPathSeparator);
}

} // namespace
} // namespace quillon::testing
