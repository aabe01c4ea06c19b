// The automatic backup: its name, its contents, what writes it, and when there is no room.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

const std::string kFile = CutBytes({"Hello there", "x", "Second one"});

TEST(Backup, EachOpeningTakesTheFirstFreeNumberAndEveryEditRewritesIt) {
    Editor e;
    fs::create_directories(e.BackupDir());
    WriteBytes(e.BackupDir() + "C12_1.tmf", "old");
    WriteBytes(e.BackupDir() + "C12_3.tmf", "old");
    e.Open(e.Put("C12.CUT", kFile));
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
    fs::create_directories(e.BackupDir());
    for (int n = 1; n <= 99; ++n)
        WriteBytes(e.BackupDir() + "c12_" + std::to_string(n) + ".TMF", "");
    e.Open(e.Put("C12.CUT", kFile));
    EXPECT_EQ(e.Boxes(), "Quillon: There are too many TMF files in the backup directory.\r\n"
                         "Please delete some of them for the automatic backup.\n");
    EXPECT_TRUE(e.form.Ended && e.platform.quitCalls == 1);
    e.form.btnNextMessage.Click(); // a late event does nothing
    EXPECT_EQ(e.form.Table.Count(), 0);
}

TEST(Backup, ReleasesWriteItOnlyWhenAutomaticBackupIsOnAndFailuresAreQuiet) {
    Editor e;
    e.Open(e.Put("C12.CUT", kFile));
    const std::string backup = e.BackupDir() + "C12_1.tmf";
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
    fs::remove_all(e.BackupDir());
    e.Type("Still here");
    e.form.TextMessageGR_KeyUp(65, 0);
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Still here");
    EXPECT_TRUE(e.platform.messageBoxes.empty());
}

} // namespace
} // namespace quillon::testing
