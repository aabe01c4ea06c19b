// The automatic backup: nothing until the work changes, then its number, its contents, what
// writes it, when there is no room, and the unfinished backups of an earlier run.
#include "EditorHarness.h"

#include "workflow/AutoBackup.h"

#include <functional>

namespace quillon::testing {
namespace {

// Codes inside the messages, so that the hidden form (the design default) is rebuilt on every
// display: a display that counted as a change would show up here.
const std::string kFile = CutBytes({"Hello*01there", "x", "Second*02one", "*03"});
const std::string kHeader = "Original CUT file: C12.CUT\r\n\r\n";

std::string Listing(const std::string& folder) {
    std::string names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names += entry.path().filename().string() + " ";
    return names;
}

TEST(Backup, NothingIsNumberedOrWrittenUntilAMessageReallyChanges) {
    Editor e;
    e.platform.settings.values["Confirm"] = "0";
    e.Put("D13.CUT", kFile);
    e.Open(e.Put("C12.CUT", kFile));
    // Paging, showing the codes, releases, restoring and clearing what is already so, other
    // files and back: nothing of that changes the work.
    for (int key : {vbKeyF12, vbKeyF5, vbKeyF1, vbKeyEscape, vbKeyPause})
        e.Key(key);
    e.Go(2);
    e.form.CheckHideControlCharacters.UserClick();
    e.form.CheckHideControlCharacters.UserClick();
    e.form.TextMessageGR_KeyUp(65, 0);
    e.form.TextMessageGR_MouseUp(1, 0, 1, 1);
    e.form.btnNextFile_Click();
    EXPECT_EQ(e.form.State.CutFileName, "D13.CUT");
    e.form.btnPreviousFile_Click();
    EXPECT_FALSE(fs::exists(e.BackupDir()));
    EXPECT_EQ(e.form.State.BackupFileName, "");

    // The first real change takes the number and writes; later ones rewrite the same file.
    e.Type("Hola\r\nalli");
    EXPECT_EQ(e.form.State.BackupFileName, "C12_1.tmf");
    EXPECT_EQ(e.Backup(), kHeader + "001 Hola*01alli\r\n");
    e.Type(2, "Segundo\r\nuno");
    EXPECT_EQ(e.Backup(), kHeader + "001 Hola*01alli\r\n002 Segundo*02uno\r\n");

    // Reopened and left untouched, the file takes no second number.
    e.form.btnNextFile_Click();
    e.form.btnPreviousFile_Click();
    e.Key(vbKeyF12);
    EXPECT_EQ(Listing(e.BackupDir()), "C12_1.tmf ");
    EXPECT_TRUE(e.platform.messageBoxes.empty());
}

TEST(Backup, EachKindOfChangeStartsTheBackupAndAnEditThatChangesNothingDoesNot) {
    const std::pair<std::string, std::function<void(Editor&)>> cases[] = {
        {"F10", [](Editor& e) { e.Key(vbKeyF10); }},
        {"typing", [](Editor& e) { e.Type("Hi\r\nyou"); }},
        {"Break on a blank message", [](Editor& e) { e.Key(vbKeyPause); }},
        {"a .TMF that changes a message",
         [](Editor& e) {
             WriteBytes(e.CutDir() + "work.tmf", kHeader + "002 Otra*02vez\r\n");
             e.platform.fileDialogAnswers.push_back(e.CutDir() + "work.tmf");
             e.form.btnOpenFile_Click();
         }},
        {"a .TMF that changes nothing",
         [](Editor& e) {
             WriteBytes(e.CutDir() + "same.tmf", kHeader + "001\r\n");
             e.platform.fileDialogAnswers.push_back(e.CutDir() + "same.tmf");
             e.form.btnOpenFile_Click();
         }},
    };
    for (const auto& [what, change] : cases) {
        Editor e;
        e.Open(e.Put("C12.CUT", kFile));
        change(e);
        const bool changes =
            what.find("nothing") == std::string::npos && what.find("blank") == std::string::npos;
        EXPECT_EQ(fs::exists(e.BackupDir() + "C12_1.tmf"), changes) << what;
        if (changes) {
            EXPECT_NE(e.Backup().find("\r\n00"), std::string::npos) << what;
        }
        e.Key(vbKeyF12); // moving on writes nothing more, and nothing new
        EXPECT_EQ(Listing(e.BackupDir()), changes ? "C12_1.tmf " : "") << what;
    }
}

TEST(Backup, TooManyNumbersIsToldAtTheFirstChangeAndTheEditingGoesOn) {
    Editor e;
    fs::create_directories(e.BackupDir());
    for (int n = 1; n <= 99; ++n)
        WriteBytes(e.BackupDir() + "c12_" + std::to_string(n) + ".TMF", "old");
    e.Open(e.Put("C12.CUT", kFile));
    EXPECT_TRUE(e.platform.messageBoxes.empty() && !e.form.Ended);

    e.Type("Hola");
    e.Type("Hola de nuevo");
    EXPECT_EQ(e.Boxes(), "Quillon: There are too many TMF files in the backup directory.\r\n"
                         "Please delete some of them for the automatic backup.\r\n"
                         "Until then the changes to C12.CUT are not backed up.\n");
    EXPECT_FALSE(e.form.Ended);
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Hola de nuevo");

    // Once the user has made room, the next change is backed up under the freed number.
    fs::remove(e.BackupDir() + "c12_42.TMF");
    e.Type("Hola otra vez");
    EXPECT_EQ(e.Backup("C12_42.tmf"), kHeader + "001 Hola otra vez\r\n");
    EXPECT_EQ(e.platform.messageBoxes.size(), 1u);
}

TEST(Backup, AnUnfinishedBackupIsKeptItsNumberSkippedAndPointedOutOnceARun) {
    Editor e;
    e.platform.settings.values["Confirm"] = "0";
    fs::create_directories(e.BackupDir());
    WriteBytes(e.BackupDir() + "C12_1.tmf.tmp", "the only copy of yesterday's work");
    WriteBytes(e.BackupDir() + "C12_2.tmf", "old");
    WriteBytes(e.BackupDir() + "D13_1.tmf.tmp", "another file's");
    e.Put("D13.CUT", kFile);
    e.Open(e.Put("C12.CUT", kFile));
    EXPECT_EQ(e.Boxes(), "Quillon: An automatic backup that was never finished was found:\r\n" +
                             e.BackupDir() +
                             "C12_1.tmf.tmp\r\nIt may hold work that was not saved. It is kept "
                             "as it is, and its number is not used for new backups.\n");
    e.Type("Hola");
    EXPECT_EQ(e.form.State.BackupFileName, "C12_3.tmf");

    // Told once a run: opening the file again says nothing more, and takes the next number.
    e.form.btnNextFile_Click();
    EXPECT_NE(e.LastMessage().find("D13_1.tmf.tmp"), std::string::npos);
    e.form.btnPreviousFile_Click();
    e.Type("Hola otra vez");
    EXPECT_EQ(e.form.State.BackupFileName, "C12_4.tmf");
    EXPECT_EQ(e.platform.messageBoxes.size(), 2u);
    EXPECT_EQ(e.Backup("C12_1.tmf.tmp"), "the only copy of yesterday's work");
    EXPECT_EQ(Listing(e.BackupDir()).find("C12_3.tmf.tmp"), std::string::npos);
}

TEST(Backup, ReleasesWriteItOnlyWhenAutomaticBackupIsOnAndFailuresAreQuiet) {
    Editor e;
    e.Open(e.Put("C12.CUT", kFile));
    e.Type("Started");
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

TEST(Backup, NumbersAndTheReplacementOfTheFile) {
    // Taken numbers, in any letter case and unfinished ones included.
    const std::vector<std::pair<std::vector<std::string>, int>> numbers = {
        {{}, 1},
        {{"c12_1.TMF", "C12_2.tmf.TMP", "C12_4.tmf", "C13_3.tmf", "C12_3.tmf.bak"}, 3},
        {{"C12_3.tmf.tmp"}, 1},
    };
    for (const auto& [listing, first] : numbers)
        EXPECT_EQ(FirstFreeBackupNumber(listing, "C12.CUT"), first);
    std::vector<std::string> full;
    for (int n = 1; n <= 99; ++n)
        full.push_back("C12_" + std::to_string(n) + (n % 2 ? ".tmf" : ".tmf.tmp"));
    EXPECT_EQ(FirstFreeBackupNumber(full, "C12.CUT"), 0);
    EXPECT_EQ(LeftoverBackups({"C12_1.tmf", "c12_7.TMF.tmp", "C12_100.tmf.tmp", "C13_2.tmf.tmp",
                               "C12_2.tmf.tmp"},
                              "C12.CUT"),
              (std::vector<std::string>{"c12_7.TMF.tmp", "C12_2.tmf.tmp"}));

    TempDir dir;
    const std::string path = (dir.path / "C12_1.tmf").string();
    EXPECT_TRUE(ReplaceBackupFile(path, "first"));
    EXPECT_TRUE(ReplaceBackupFile(path, "second, longer"));
    EXPECT_EQ(ReadBytes(path), "second, longer");
    EXPECT_EQ(Listing(dir.path.string()), "C12_1.tmf ");
    // Someone's unfinished backup under the temporary name is never overwritten.
    WriteBytes(path + ".tmp", "unfinished");
    EXPECT_FALSE(ReplaceBackupFile(path, "third"));
    EXPECT_EQ(ReadBytes(path) + "|" + ReadBytes(path + ".tmp"), "second, longer|unfinished");
    EXPECT_FALSE(ReplaceBackupFile((dir.path / "gone" / "C12_1.tmf").string(), "x"));
}

} // namespace
} // namespace quillon::testing
