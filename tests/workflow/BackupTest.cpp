// The automatic backup's name and contents, its triggers, and writing a chosen .TMF file.
#include "EditorHarness.h"

#include <gtest/gtest.h>

namespace quillon::testing {
namespace {

const std::string kFile = CutBytes({"Hello there", "x", "Second one"});

TEST(Backup, EachOpeningTakesTheFirstFreeNumberAndEveryEditRewritesIt) {
    Editor e;
    fs::create_directories(e.backupFolder());
    WriteBytes(fs::path(e.backupFolder()) / "C12_1.tmf", "old");
    WriteBytes(fs::path(e.backupFolder()) / "C12_3.tmf", "old");
    e.Start(e.Put("C12.CUT", kFile));
    EXPECT_EQ(e.form.State.BackupFileName, "C12_2.tmf");
    EXPECT_EQ(e.Backup("C12_2.tmf"), "Original CUT file: C12.CUT\r\n\r\n");

    e.Type("Hola");
    e.Key(vbKeyF12);
    e.Type("Segundo");
    EXPECT_EQ(e.Backup("C12_2.tmf"),
              "Original CUT file: C12.CUT\r\n\r\n001 Hola\r\n002 Segundo\r\n");
    EXPECT_EQ(e.Backup("C12_1.tmf"), "old");
}

TEST(Backup, AllNinetyNineNamesTakenEndsTheProgram) {
    Editor e;
    fs::create_directories(e.backupFolder());
    for (int n = 1; n <= 99; ++n)
        WriteBytes(fs::path(e.backupFolder()) / ("c12_" + std::to_string(n) + ".TMF"), "");
    e.Start(e.Put("C12.CUT", kFile));
    ASSERT_EQ(e.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(e.platform.messageBoxes[0].text,
              "There are too many TMF files in the backup directory.\r\n"
              "Please delete some of them for the automatic backup.");
    EXPECT_EQ(e.platform.messageBoxes[0].title, "Quillon");
    EXPECT_TRUE(e.form.Ended);
    EXPECT_EQ(e.platform.quitCalls, 1);
    e.form.btnNextMessage.Click(); // a late event does nothing
    EXPECT_EQ(e.form.Table.Count(), 0);
}

TEST(Backup, ReleasesWriteItOnlyWhenAutomaticBackupIsOnAndFailuresAreQuiet) {
    Editor e;
    e.Start(e.Put("C12.CUT", kFile));
    const fs::path backup = fs::path(e.backupFolder()) / "C12_1.tmf";
    for (int on : {1, 0}) {
        e.form.CheckAutoBackup.SetValue(on);
        fs::remove(backup);
        e.form.TextMessageGR_KeyUp(65, 0);
        EXPECT_EQ(fs::exists(backup), on == 1);
        fs::remove(backup);
        e.form.TextMessageGR_MouseUp(1, 0, 10, 10);
        EXPECT_EQ(fs::exists(backup), on == 1);
    }
    e.Type("Typing always backs up"); // whatever the check box says
    EXPECT_TRUE(fs::exists(backup));

    // Without its folder the backup fails quietly and the editing goes on.
    fs::remove_all(e.backupFolder());
    e.Type("Still here");
    e.form.TextMessageGR_KeyUp(65, 0);
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Still here");
    EXPECT_TRUE(e.platform.messageBoxes.empty());
}

TEST(Backup, SavingToTheChosenFileSaysSoOnlyWhenItWorked) {
    Editor e;
    e.Start(e.Put("C12.CUT", kFile));
    e.Type("Hola");
    const std::string chosen = e.platform.temp / "work.tmf";
    e.form.CommonDialog1.FileName = chosen;
    e.form.CreateTMF(0);
    EXPECT_EQ(ReadBytes(chosen), "Original CUT file: C12.CUT\r\n\r\n001 Hola\r\n");
    // The backup holds the same bytes as a saved file of the new messages, line breaks too.
    for (const char* text : {"Hola", "Hola\r\nmundo"}) {
        e.Type(text);
        e.form.CreateTMF(0);
        EXPECT_EQ(ReadBytes(chosen), e.Backup()) << text;
    }
    ASSERT_EQ(e.platform.messageBoxes.size(), 3u);
    EXPECT_EQ(e.platform.messageBoxes[2].text, "Tempory Messages File is saved!");
    EXPECT_EQ(e.platform.messageBoxes[2].title, "");

    const std::string nowhere = e.platform.temp / "no-such-folder/work.tmf";
    e.form.CommonDialog1.FileName = nowhere;
    e.form.CreateTMF(0);
    ASSERT_EQ(e.platform.messageBoxes.size(), 4u);
    const std::string& text = e.platform.messageBoxes[3].text;
    EXPECT_NE(text.find(nowhere), std::string::npos) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_FALSE(fs::exists(nowhere));
}

} // namespace
} // namespace quillon::testing
