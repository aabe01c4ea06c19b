// The automatic backup: nothing until the work changes, then its number, its contents, what
// writes it, when there is no room, and the unfinished backups of an earlier run.
#include "EditorHarness.h"

#include "editor/AutoBackup.h"

#include <functional>

namespace quillon::testing {
namespace {

// Codes inside the messages, so that the hidden form (the design default) is rebuilt on every
// display: a display that counted as a change would show up here.
const std::string kFile = CutBytes({"Hello*01there", "x", "Second*02one", "*03"});

TEST(Backup, NothingIsWrittenUntilAMessageReallyChangesThenEveryEditAndReleaseWritesIt) {
    Editor e;
    e.platform.settings.values["Confirm"] = "0";
    e.Put("D13.CUT", kFile);
    e.Open(e.Put("C12.CUT", kFile));
    // Paging, showing the codes, releases, restoring and clearing what is already so, another
    // file and back: none of that changes the work.
    for (Key key : {Key::F12, Key::F5, Key::F1, Key::Escape, Key::Pause})
        e.Press(key);
    e.form.CheckHideControlCharacters.UserClick();
    e.form.CheckHideControlCharacters.UserClick();
    e.form.OnNewBoxKeyUp(65, 0);
    e.form.OnNextFileClicked();
    e.form.OnPreviousFileClicked();
    EXPECT_FALSE(fs::exists(e.BackupDir()));

    // The first real change takes the number and writes; later ones rewrite the same file.
    e.Type("Hola\r\nalli");
    e.Type(2, "Segundo\r\nuno");
    EXPECT_EQ(e.Backup(), TmfBytes("C12.CUT", "001 Hola*01alli\r\n002 Segundo*02uno\r\n"));
    // Reopened and left untouched, the file takes no second number.
    e.form.OnNextFileClicked();
    e.form.OnPreviousFileClicked();
    EXPECT_EQ(Listing(e.BackupDir()), "C12_1.tmf");

    // Releases of a key or the mouse write the backup only when automatic backup is on.
    e.Type("Started");
    const std::string backup = e.BackupDir() + "C12_2.tmf";
    for (int on : {1, 0}) {
        e.form.CheckAutoBackup.SetValue(on);
        fs::remove(backup);
        e.form.OnNewBoxKeyUp(65, 0);
        EXPECT_EQ(fs::exists(backup), on == 1);
        fs::remove(backup);
        e.form.OnNewBoxMouseUp(1, 0, 10, 10);
        EXPECT_EQ(fs::exists(backup), on == 1);
    }
    e.Type("Typing always backs up"); // whatever the check box says
    EXPECT_TRUE(fs::exists(backup));
    // Without its folder the backup fails quietly and the editing goes on.
    fs::remove_all(e.BackupDir());
    e.Type("Still here");
    e.form.OnNewBoxKeyUp(65, 0);
    EXPECT_EQ(e.New(1) + "|" + e.Boxes(), "Still here|");
}

TEST(Backup, EachKindOfChangeStartsTheBackupAndAnEditThatChangesNothingDoesNot) {
    auto load = [](const std::string& lines) {
        return [lines](Editor& e) {
            WriteBytes(e.CutDir() + "work.tmf", TmfBytes("C12.CUT", lines));
            e.Load(e.CutDir() + "work.tmf");
        };
    };
    const std::tuple<const char*, std::function<void(Editor&)>, bool> cases[] = {
        {"F10", [](Editor& e) { e.Press(Key::F10); }, true},
        {"a .TMF that changes a message", load("002 Otra*02vez\r\n"), true},
        {"a .TMF that changes nothing", load("001\r\n"), false},
    };
    for (const auto& [what, change, changes] : cases) {
        Editor e;
        e.Open(e.Put("C12.CUT", kFile));
        change(e);
        e.Press(Key::F12);
        EXPECT_EQ(Listing(e.BackupDir()), changes ? "C12_1.tmf" : "") << what;
    }
}

TEST(Backup, TooManyNumbersIsToldAtTheFirstChangeAndTheEditingGoesOn) {
    Editor e;
    fs::create_directories(e.BackupDir());
    for (int n = 1; n <= 99; ++n)
        WriteBytes(e.BackupDir() + "c12_" + std::to_string(n) + ".TMF", "old");
    e.Open(e.Put("C12.CUT", kFile));
    EXPECT_EQ(e.Boxes(), "");
    e.Type("Hola");
    e.Type("Hola de nuevo");
    EXPECT_EQ(e.Boxes(), "Quillon: There are too many TMF files in the backup directory.\r\n"
                         "Please delete some of them for the automatic backup.\r\n"
                         "Until then the changes to C12.CUT are not backed up.\n");
    EXPECT_FALSE(e.form.Ended);
    // Once the user has made room, the next change is backed up under the freed number, even
    // the last one.
    fs::remove(e.BackupDir() + "c12_99.TMF");
    e.Type("Hola otra vez");
    EXPECT_EQ(e.Backup("C12_99.tmf"), TmfBytes("C12.CUT", "001 Hola otra vez\r\n"));
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
    e.form.OnNextFileClicked(); // D13.CUT's own leftover is told there
    e.form.OnPreviousFileClicked();
    e.Type("Hola otra vez");
    EXPECT_EQ(e.platform.messageBoxes.size(), 2u);
    EXPECT_EQ(Listing(e.BackupDir()), "C12_1.tmf.tmp C12_2.tmf C12_3.tmf C12_4.tmf D13_1.tmf.tmp");
    EXPECT_EQ(e.Backup("C12_1.tmf.tmp"), "the only copy of yesterday's work");

    // Replacing a backup leaves no temporary file, and never writes over someone else's.
    const std::string path = e.BackupDir() + "C12_4.tmf";
    EXPECT_TRUE(ReplaceBackupFile(path, "newer"));
    WriteBytes(path + ".tmp", "unfinished");
    EXPECT_FALSE(ReplaceBackupFile(path, "newest"));
    EXPECT_EQ(ReadBytes(path) + "|" + ReadBytes(path + ".tmp"), "newer|unfinished");
}

} // namespace
} // namespace quillon::testing
