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

// The codes shown as they are stored; the other user's run makes an editor of its own.
struct Permissions : RawEditor {};

TEST_F(Permissions, UnreadableFilesAndReadOnlyFoldersAreToldAndChangeNothing) {
    if (!RunsUnprivileged()) return;
    const std::string locked = Put("LOCKED.CUT", CutBytes({"Secret"}));
    Allow(locked, fs::perms::none);
    Open(Put("C12.CUT", CutBytes({"Hello", "World"})));
    Type("Hola");
    // A .TMF that cannot be read is passed over in silence, like a cancelled dialog.
    WriteBytes(CutDir() + "work.tmf", "Original CUT file: C12.CUT\r\n\r\n001 Adios\r\n");
    Allow(CutDir() + "work.tmf", fs::perms::owner_write);
    Load(CutDir() + "work.tmf");
    EXPECT_EQ(New(1) + "|" + Boxes(), "Hola|");

    // Reached as the next file, a .CUT that cannot be read is told, and nothing of C12.CUT
    // stays in the boxes.
    form.OpenFile(locked);
    EXPECT_EQ(Boxes(), "Quillon: " + locked + ": the file cannot be opened (Permission denied).\n");
    EXPECT_EQ(form.OriginalMessageBox.Text() + form.NewMessageBox.Text(), "");

    // Read-only folders refuse every write with a message and keep the work.
    platform.settings.values["Confirm"] = "0";
    const std::string open = Put("C12.CUT", CutBytes({"Hello", "Good day"}));
    const std::string original = ReadBytes(open);
    Open(open);
    Type(1, "Hola");
    Type(2, "Buen dia"); // padded to the original's odd length when written
    const std::string backup = Backup("C12_1.tmf"); // brought back, and gone on with

    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    Allow(CutDir(), readOnly);
    Allow(BackupDir(), readOnly);
    // The chosen file, and the file really written (an update goes through .TEMP).
    const std::pair<std::string, std::string> writes[] = {
        {CutDir() + "NEW.CUT", CutDir() + "NEW.CUT"},
        {open, open + ".TEMP"},
        {CutDir() + "C12.tmf", CutDir() + "C12.tmf"}};
    for (const auto& [chosen, written] : writes) {
        platform.messageBoxes.clear();
        platform.fileDialogAnswers.push_back(chosen);
        chosen.ends_with(".tmf") ? form.Work.OnSaveClicked(TmfContent::NewMessages)
                                 : form.OnWriteFileClicked();
        EXPECT_EQ(Boxes(), "Quillon: Cannot write " + written + ": Permission denied.\n");
        EXPECT_FALSE(fs::exists(written)) << written;
    }
    EXPECT_EQ(ReadBytes(open), original);
    EXPECT_EQ(New(2), "Buen dia"); // nothing written, nothing padded

    // The backup cannot be rewritten: the typing goes on, quietly, and the last backup stays.
    platform.messageBoxes.clear();
    Type(1, "Hola otra vez");
    EXPECT_EQ(New(1) + "|" + Boxes(), "Hola otra vez|");
    EXPECT_EQ(Backup("C12_1.tmf"), backup);
    Allow(BackupDir(), fs::perms::owner_all);
    Type(1, "Hola de nuevo");
    EXPECT_NE(Backup("C12_1.tmf").find("001 Hola de nuevo\r\n"), std::string::npos);

    // A program folder that cannot be written gives way to the user's own.
    TempDir data;
    EXPECT_EQ(ChooseProgramFolder(nullptr, CutDir(), Utf8FromPath(data.path)),
              Utf8FromPath(data.path));
}

} // namespace
} // namespace quillon::testing
