// The editor with its program folder, its work folder and its files named outside ASCII:
// opening, the automatic backup, .TMF files, the update in place and the next file.
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
    EXPECT_EQ(Captions({&e.form.OriginalFileNameLabel, &e.form.OriginalFileSizeLabel}) + " | " +
                  e.Original(1),
              "É1.CUT | " + std::to_string(original.size()) + " bytes | Hello*AB");

    e.Type(1, "Hola*AB");
    const std::string lines = TmfBytes("É1.CUT", "001 Hola*AB\r\n");
    EXPECT_EQ(e.Backup("É1_1.tmf"), lines);

    // The work saved in a folder of its own and loaded into a fresh opening.
    const fs::path work = e.platform.temp.path / PathFromUtf8("Arbeit für Ö");
    fs::create_directory(work);
    const std::string tmf = Utf8FromPath(work / PathFromUtf8("É1 (Deutsch).tmf"));
    e.Save(TmfContent::NewMessages, tmf);
    EXPECT_EQ(ReadBytes(tmf), lines);
    e.Open(path);
    e.Load(tmf);
    EXPECT_EQ(e.New(1), "Hola*AB");

    // The update in place leaves the old file as .BAK beside the new one.
    e.Create(path);
    EXPECT_EQ(e.Question(), "Do you want to update É1.CUT?");
    e.Answer(true);
    // Padded, and message 4 left blank.
    EXPECT_EQ(e.LastMessage() + "|" + ReadBytes(path + ".BAK") + "|" + ReadBytes(path),
              "CUT file is updated!|" + original + "|" + CutBytes({"Hola *AB", "", "X", ""}));

    // The folder's listing gives the next file by its own name.
    e.platform.settings.values["Confirm"] = "0";
    e.Open(path);
    e.form.OnNextFileClicked();
    EXPECT_EQ(e.form.State.FileName + " " + e.Original(1), "Ö2.CUT Next scene");
    e.Type("Nächste Szene");
    EXPECT_EQ(e.Backup("Ö2_1.tmf"), TmfBytes("Ö2.CUT", "001 Nächste Szene\r\n"));
    EXPECT_TRUE(e.platform.messageBoxes.size() == 2) << e.Boxes(); // saved, updated
}

} // namespace
} // namespace quillon::testing
