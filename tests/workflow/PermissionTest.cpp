// Files the user may not read and folders the user may not write: each is said plainly or
// passed over as designed, and no work is lost. Run as an unprivileged user even under root.
#include "EditorHarness.h"
#include "support/Unprivileged.h"

namespace quillon::testing {
namespace {

using test::RunsUnprivileged;

void Allow(const std::string& path, fs::perms perms) {
    fs::permissions(path, perms, fs::perm_options::replace);
}

TEST(Permissions, UnreadableFilesAreToldOrPassedOverAndChangeNothing) {
    if (!RunsUnprivileged()) return;
    Editor e;
    e.platform.settings.values["Hide control characters"] = "0";
    const std::string locked = e.Put("LOCKED.CUT", CutBytes({"Secret"}));
    Allow(locked, fs::perms::none);
    e.Open(e.Put("C12.CUT", CutBytes({"Hello", "World"})));
    e.Type("Hola");
    // A .TMF that cannot be read is passed over in silence, like a cancelled dialog.
    WriteBytes(e.CutDir() + "work.tmf", "Original CUT file: C12.CUT\r\n\r\n001 Adios\r\n");
    Allow(e.CutDir() + "work.tmf", fs::perms::owner_write);
    e.Load(e.CutDir() + "work.tmf");
    EXPECT_EQ(e.Cell(1, ColNewMessage) + "|" + e.Boxes(), "Hola|");

    // Reached as the next file, a .CUT that cannot be read is told, and nothing of C12.CUT
    // stays in the boxes.
    e.form.OpenFile(locked);
    EXPECT_EQ(e.Boxes(),
              "Quillon: " + locked + ": the file cannot be opened (Permission denied).\n");
    EXPECT_EQ(e.form.TextMessageGB.Text() + e.form.TextMessageGR.Text(), "");
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
    const std::string backup = e.Backup();

    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    Allow(e.CutDir(), readOnly);
    Allow(e.BackupDir(), readOnly);
    // The chosen file, and the file really written (an update goes through .TEMP).
    const std::pair<std::string, std::string> writes[] = {
        {e.CutDir() + "NEW.CUT", e.CutDir() + "NEW.CUT"},
        {open, open + ".TEMP"},
        {e.CutDir() + "C12.tmf", e.CutDir() + "C12.tmf"}};
    for (const auto& [chosen, written] : writes) {
        e.platform.messageBoxes.clear();
        e.platform.fileDialogAnswers.push_back(chosen);
        chosen.ends_with(".tmf") ? e.form.btnSaveFile_Click(0) : e.form.btnCreateNewCUT_Click();
        EXPECT_EQ(e.Boxes(), "Quillon: Cannot write " + written + ": Permission denied.\n");
        EXPECT_FALSE(fs::exists(written)) << written;
    }
    EXPECT_EQ(ReadBytes(open), original);
    EXPECT_EQ(e.Cell(2, ColNewMessage), "Buen dia"); // nothing written, nothing padded

    // The backup cannot be rewritten: the typing goes on, quietly, and the last backup stays.
    e.platform.messageBoxes.clear();
    e.Type(1, "Hola otra vez");
    EXPECT_EQ(e.Cell(1, ColNewMessage) + "|" + e.Boxes(), "Hola otra vez|");
    EXPECT_EQ(e.Backup(), backup);
    Allow(e.BackupDir(), fs::perms::owner_all);
    e.Type(1, "Hola de nuevo");
    EXPECT_NE(e.Backup().find("001 Hola de nuevo\r\n"), std::string::npos);

    // A program folder that cannot be written gives way to the user's own.
    TempDir data;
    EXPECT_EQ(ChooseProgramFolder(nullptr, e.CutDir(), Utf8FromPath(data.path)),
              Utf8FromPath(data.path));
}

} // namespace
} // namespace quillon::testing
