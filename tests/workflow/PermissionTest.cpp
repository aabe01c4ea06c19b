// Files the user may not read and folders the user may not write: each is said plainly or
// passed over as designed, and no work is lost. Run as an unprivileged user even under root.
#include "EditorHarness.h"
#include "support/Unprivileged.h"

namespace quillon::testing {
namespace {

using test::RunsUnprivileged;

void Deny(const std::string& path, fs::perms keep) {
    fs::permissions(path, keep, fs::perm_options::replace);
}

TEST(Permissions, UnreadableFilesAreToldOrPassedOverAndChangeNothing) {
    if (!RunsUnprivileged()) return;
    Editor e;
    e.platform.settings.values["Hide control characters"] = "0";
    const std::string locked = e.Put("LOCKED.CUT", CutBytes({"Secret"}));
    Deny(locked, fs::perms::none);
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "World"})));
    e.Type("Hola");

    // Reached as the next file: the reader says why, and the boxes show nothing of C12.CUT.
    e.form.OpenFile(locked);
    EXPECT_EQ(e.Boxes(),
              "Quillon: " + locked + ": the file cannot be opened (Permission denied).\n");
    EXPECT_EQ(e.form.Table.Count(), 0);
    EXPECT_EQ(e.form.TextMessageGB.Text() + e.form.TextMessageGR.Text(), "");

    // A .TMF that cannot be read is passed over in silence, like a cancelled dialog.
    e.platform.messageBoxes.clear();
    e.Open(e.CutDir() + "C12.CUT");
    e.Type("Hola");
    WriteBytes(e.CutDir() + "work.tmf", "Original CUT file: C12.CUT\r\n\r\n001 Adios\r\n");
    Deny(e.CutDir() + "work.tmf", fs::perms::owner_write);
    e.platform.fileDialogAnswers.push_back(e.CutDir() + "work.tmf");
    e.form.btnOpenFile_Click();
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Hola");
    EXPECT_EQ(e.Boxes(), "");
}

TEST(Permissions, ReadOnlyFoldersRefuseEveryWriteWithAMessageAndKeepTheWork) {
    if (!RunsUnprivileged()) return;
    Editor e;
    e.platform.settings.values["Hide control characters"] = "0";
    e.platform.settings.values["Confirm"] = "0";
    const std::string open = e.Put("C12.CUT", CutBytes({"Hello", "Good day"}));
    const std::string original = ReadBytes(open);
    e.Open(open);
    e.Type(1, "Hola");
    e.Type(2, "Buen dia"); // padded to the original's odd length when written
    ASSERT_TRUE(fs::exists(e.BackupDir() + "C12_1.tmf"));

    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    Deny(e.CutDir(), readOnly);
    Deny(e.BackupDir(), readOnly);
    const std::pair<std::string, std::function<void()>> writes[] = {
        {e.CutDir() + "NEW.CUT", [&] { e.form.btnCreateNewCUT_Click(); }},
        {open + ".TEMP", [&] { e.form.btnCreateNewCUT_Click(); }},
        {e.CutDir() + "C12.tmf", [&] { e.form.btnSaveFile_Click(0); }},
    };
    for (const auto& [target, write] : writes) {
        const std::string chosen = target.ends_with(".TEMP") ? open : target;
        e.platform.messageBoxes.clear();
        e.platform.fileDialogAnswers.push_back(chosen);
        write();
        EXPECT_EQ(e.Boxes(), "Quillon: Cannot write " + target + ": Permission denied.\n");
        EXPECT_FALSE(fs::exists(target)) << target;
    }
    EXPECT_EQ(ReadBytes(open), original);
    EXPECT_FALSE(fs::exists(open + ".BAK"));
    // Nothing was written, so the table does not take the padding either.
    EXPECT_EQ(e.Cell(2, ColNewMessage), "Buen dia");

    // The backup cannot be rewritten: the typing goes on, quietly, and the last backup stays.
    e.platform.messageBoxes.clear();
    const std::string lastBackup = e.Backup();
    e.Type(1, "Hola otra vez");
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Hola otra vez");
    EXPECT_EQ(e.Backup(), lastBackup);
    EXPECT_EQ(e.Boxes(), "");

    // Once the folders can be written again, the same commands work.
    Deny(e.CutDir(), fs::perms::owner_all);
    Deny(e.BackupDir(), fs::perms::owner_all);
    e.Type(1, "Hola");
    EXPECT_NE(e.Backup().find("001 Hola\r\n"), std::string::npos);
    e.platform.fileDialogAnswers.push_back(e.CutDir() + "NEW.CUT");
    e.form.btnCreateNewCUT_Click();
    EXPECT_EQ(e.LastMessage(), "CUT file is created!");
}

TEST(Permissions, AProgramFolderThatCannotBeWrittenGivesWayToTheUsersOwn) {
    if (!RunsUnprivileged()) return;
    TempDir exe, data;
    Deny(exe.path.string(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ChooseProgramFolder(nullptr, exe.path.string(), data.path.string()),
              data.path.string());
    Deny(exe.path.string(), fs::perms::owner_all);
    EXPECT_EQ(ChooseProgramFolder(nullptr, exe.path.string(), data.path.string()),
              exe.path.string());
}

} // namespace
} // namespace quillon::testing
