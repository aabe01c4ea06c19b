// The editor with its program folder, its work folder and its files named outside ASCII:
// opening, the automatic backup, .TMF files, the update in place, the next file and the
// choice of the program folder.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

// Narrow literals are UTF-8 (the sources' encoding), as the editor holds paths.
TEST(FolderNames, EveryFileStepWorksWithNamesOutsideAscii) {
    Editor e("Übersetzung");
    e.platform.settings.values["Hide control characters"] = "0";
    const std::string original = CutBytes({"Hello*AB", "", "X", "Good day"});
    const std::string path = e.Put("É1.CUT", original);
    e.Put("Ö2.CUT", CutBytes({"Next scene"}));
    e.Open(path);
    EXPECT_EQ(Captions({&e.form.LabelOriginalFilename, &e.form.LabelOriginalSize}),
              "É1.CUT | " + std::to_string(original.size()) + " bytes");
    EXPECT_EQ(e.Cell(1, ColOriginalMessage), "Hello*AB");

    e.Type(1, "Hola*AB");
    const std::string lines = "Original CUT file: É1.CUT\r\n\r\n001 Hola*AB\r\n";
    EXPECT_EQ(e.Backup("É1_1.tmf"), lines);

    // The work saved in a folder of its own and loaded into a fresh opening.
    const fs::path work = e.platform.temp.path / PathFromUtf8("Arbeit für Ö");
    fs::create_directory(work);
    const std::string tmf = Utf8FromPath(work / PathFromUtf8("É1 (Deutsch).tmf"));
    e.platform.fileDialogAnswers.push_back(tmf);
    e.form.btnSaveFile_Click(0);
    EXPECT_EQ(ReadBytes(tmf), lines);
    e.Open(path);
    e.platform.fileDialogAnswers.push_back(tmf);
    e.form.btnOpenFile_Click();
    EXPECT_EQ(e.Cell(1, ColNewMessage), "Hola*AB");

    // The update in place leaves the old file as .BAK beside the new one.
    e.platform.fileDialogAnswers.push_back(path);
    e.form.btnCreateNewCUT_Click();
    EXPECT_EQ(e.Question(), "Do you want to update É1.CUT?");
    e.Answer(true);
    EXPECT_EQ(e.LastMessage(), "CUT file is updated!");
    EXPECT_EQ(ReadBytes(path + ".BAK"), original);
    EXPECT_EQ(ReadBytes(path), CutBytes({"Hola *AB", "", "X", ""})); // padded; 4 left blank

    // The folder's listing gives the next file by its own name.
    e.platform.settings.values["Confirm"] = "0";
    e.Open(path);
    e.form.btnNextFile_Click();
    EXPECT_EQ(e.form.State.CutFileName + " " + e.Cell(1, ColOriginalMessage), "Ö2.CUT Next scene");
    e.Type("Nächste Szene");
    EXPECT_EQ(e.Backup("Ö2_1.tmf"), "Original CUT file: Ö2.CUT\r\n\r\n001 Nächste Szene\r\n");
    EXPECT_TRUE(e.platform.messageBoxes.size() == 2) << e.Boxes(); // saved, updated
}

TEST(FolderNames, TheProgramFolderMayBeNamedOutsideAscii) {
    TempDir temp;
    const fs::path exe = temp.path / PathFromUtf8("Programme/Übersetzer");
    fs::create_directories(exe);
    EXPECT_EQ(ChooseProgramFolder(nullptr, Utf8FromPath(exe), "elsewhere"), Utf8FromPath(exe));
    EXPECT_EQ(ChooseProgramFolder("Ü/", "", "elsewhere"), "Ü");
    EXPECT_TRUE(fs::is_empty(exe)); // the probe file is gone again
}

} // namespace
} // namespace quillon::testing
