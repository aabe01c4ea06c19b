// Saving the work to .TMF files and loading it back, through the shared file dialog.
#include "EditorHarness.h"

namespace quillon::testing {
namespace {

struct TmfFlow : RawEditor {
    TmfFlow() {
        fs::create_directories(work);
        Open(Put("C12.CUT", CutBytes({"Hello*AB", "", "X", "Good day"})));
        Type(1, "Hola*AB");
        Type(2, "Buen dia");
    }
    std::string LastDirectory() { return platform.settings.values["Last directory"]; }

    const fs::path work = platform.temp.path / "work";
    const std::string tmf = Utf8FromPath(work / "C12.tmf");
    const std::string newLines = TmfBytes("C12.CUT", "001 Hola*AB\r\n002 Buen dia\r\n");
};

TEST_F(TmfFlow, SavedWorkComesBackIntoAFreshOpeningOfTheFile) {
    Save(TmfContent::NewMessages, tmf);
    // "Remember last directory" is on: the dialog starts where the file was opened.
    const FileDialogRequest& saving = platform.fileDialogs.back();
    EXPECT_EQ(saving.title + " " + saving.fileName + " " + saving.initialDir,
              "Save Temporary Messages File (.TMF) C12 " + CutDir());
    EXPECT_EQ(saving.filter, "Temporary Messages Files (*.TMF)|*.tmf|Text files (*.TXT)|*.txt|"
                             "All files (*.*)|*.*");
    EXPECT_EQ(ReadBytes(tmf) + Backup(), newLines + newLines); // the backup is the same file
    EXPECT_EQ(Boxes() + LastDirectory(),
              ": Tempory Messages File is saved!\n" + Utf8FromPath(work) + kPathSeparator);

    // A write that fails says so in one line naming the file, and leaves nothing behind.
    const std::string nowhere = Utf8FromPath(work / "gone" / "C12.tmf");
    Save(TmfContent::NewMessages, nowhere);
    EXPECT_NE(LastMessage().find(nowhere), std::string::npos) << LastMessage();
    EXPECT_EQ(LastMessage().find('\n'), std::string::npos) << "one line";
    EXPECT_FALSE(fs::exists(work / "gone"));

    Open(CutDir() + "C12.CUT");
    ASSERT_EQ(New(1), "");
    Load(tmf);
    EXPECT_EQ(platform.fileDialogs.back().title, "open Temporary Messages File (.TMF)");
    EXPECT_EQ(platform.fileDialogs.back().initialDir, CutDir()); // opening remembered its folder
    EXPECT_EQ(New(1) + "|" + New(4), "Hola*AB|Buen dia");
    EXPECT_EQ(form.NewMessageBox.Text() + " " + form.BlankCountLabel.Caption(), "Hola*AB 0");
}

TEST_F(TmfFlow, FilesThatAreNotThisFilesWorkChangeNothing) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // name, bytes (nullptr: no such file), how the one box starts ("": no box, nullptr:
        // the title and the path)
        {"other.tmf", "Original CUT file: C13.CUT\r\n\r\n001 Otra\r\n",
         "Quillon: This file is for C13.CUT."},
        {"case.tmf", "Original CUT file: c12.cut\r\n\r\n001 Otra\r\n",
         "Quillon: This file is for c12.cut."},
        {"empty.tmf", "", nullptr}, // not a .TMF at all
        {"missing.tmf", nullptr, ""},
    };
    for (const auto& [name, bytes, start] : cases) {
        const std::string path = Utf8FromPath(work / name);
        if (bytes) WriteBytes(path, bytes);
        platform.messageBoxes.clear();
        Load(path);
        const std::string box = start ? start : "Quillon: " + path;
        EXPECT_EQ(Boxes().substr(0, box.size()), box) << name;
        EXPECT_EQ(platform.messageBoxes.size(), box.empty() ? 0u : 1u) << name;
        EXPECT_EQ(New(1), "Hola*AB");
        EXPECT_EQ(LastDirectory(), Utf8FromPath(work) + kPathSeparator);
    }
}

TEST_F(TmfFlow, ACancelWritesNothingAndAnExistingFileIsReplacedOnlyAfterYes) {
    // A cancelled dialog leaves the last directory alone.
    platform.settings.values["Last directory"] = "somewhere";
    form.CheckRememberLastDirectory.SetValue(0);
    form.OnSaveWorkFileClicked(TmfContent::NewMessages);
    form.OnLoadWorkFileClicked();
    EXPECT_EQ(LastDirectory(), "somewhere");
    EXPECT_EQ(platform.fileDialogs.back().initialDir + kPathSeparator, CutDir());
    EXPECT_TRUE(platform.messageBoxes.empty() && !fs::exists(tmf));

    WriteBytes(tmf, "keep me");
    Save(TmfContent::OriginalMessages, tmf);
    EXPECT_EQ(Question(), "File C12.tmf already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(form.Confirm->QuestionLabel.Top, 240);
    Answer(false);
    EXPECT_EQ(ReadBytes(tmf), "keep me");

    Save(TmfContent::OriginalMessages, tmf);
    Answer(true);
    EXPECT_EQ(ReadBytes(tmf), TmfBytes("C12.CUT", "001 Hello*AB\r\n002 Good day\r\n"));

    Save(TmfContent::NewMessages, tmf);
    Answer(true);
    EXPECT_EQ(ReadBytes(tmf), newLines);

    // An empty file is taken without a question.
    WriteBytes(tmf, "");
    Save(TmfContent::NewMessages, tmf);
    EXPECT_EQ(form.Confirm, nullptr);
    EXPECT_EQ(ReadBytes(tmf), newLines);
}

} // namespace
} // namespace quillon::testing
