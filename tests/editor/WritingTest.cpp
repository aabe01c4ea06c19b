// Writing the work: .TMF files saved and loaded back through the shared file dialog; the
// translated .CUT file as a new file, a replaced one or the open file updated in place, with
// and without the questions, the report of invalid messages that comes first, and the writes
// that must not happen; every file step with names outside ASCII; and the automatic backup:
// nothing until the work changes, then its number, its contents, what writes it, when there is
// no room, and the unfinished backups of an earlier run.
#include "EditorHarness.h"

#include "editor/AutoBackup.h"
#include "formats/Formats.h"

#include <functional>

namespace quillon::testing {
namespace {

// Data on both sides of the text block, so a writer that loses or shifts it is caught.
std::string Bank(const std::vector<std::string>& messages) {
    return CutBytes(messages, 16);
}
const std::vector<std::string> kOriginal{"Hello*FL", "", "X", "Good day"};
// "Hola*FL" and the 17-byte text each gain a space to keep their original's parity.
const std::vector<std::string> kWritten{"Hola *FL", "", "X", "Buenos dias amigo "};

struct Writing : RawEditor {
    const fs::path work = platform.temp.path / "work";
    const std::string tmf = Utf8FromPath(work / "C12.tmf");
    const std::string newLines = TmfBytes("C12.CUT", "001 Hola*FL\r\n002 Buenos dias amigo\r\n");

    std::string TranslateC12(int confirm = 1) {
        fs::create_directories(work);
        platform.settings.values["Confirm"] = std::to_string(confirm);
        const std::string path = Put("C12.CUT", Bank(kOriginal));
        Open(path);
        Type(1, "Hola*FL");
        Type(2, "Buenos dias amigo");
        return path;
    }
    std::string LastDirectory() { return platform.settings.values["Last directory"]; }
};

TEST_F(Writing, SavedWorkComesBackIntoAFreshOpeningOfTheFile) {
    TranslateC12();
    Save(TmfContent::NewMessages, tmf);
    // "Remember last directory" is on: the dialog starts where the file was opened.
    const FileDialogRequest& saving = platform.fileDialogs.back();
    EXPECT_EQ(saving.title + " " + saving.fileName + " " + saving.initialDir,
              "Save Temporary Messages File (.TMF) C12 " + CutDir());
    EXPECT_EQ(saving.filter, "Temporary Messages Files (*.TMF)|*.tmf|Text files (*.TXT)|*.txt|"
                             "All files (*.*)|*.*");
    EXPECT_EQ(ReadBytes(tmf) + Backup(), newLines + newLines); // the backup is the same file
    EXPECT_EQ(Boxes() + LastDirectory(),
              ": Temporary Messages File is saved!\n" + Utf8FromPath(work) + kPathSeparator);

    // A write that fails says so in one line naming the file, and leaves nothing behind.
    const std::string nowhere = Utf8FromPath(work / "gone" / "C12.tmf");
    Save(TmfContent::NewMessages, nowhere);
    EXPECT_NE(LastMessage().find(nowhere), std::string::npos) << LastMessage();
    EXPECT_EQ(LastMessage().find('\n'), std::string::npos) << "one line";
    EXPECT_FALSE(fs::exists(work / "gone"));

    // Reopened, the file brings back its newest work and says where it came from.
    Open(CutDir() + "C12.CUT");
    EXPECT_EQ(New(1) + "|" + form.Notice.Text,
              "Hola*FL|Your work on C12.CUT is back, from " + BackupDir() + "C12_1.tmf.");
    Type(2, ""), Type(1, "");
    Load(tmf);
    EXPECT_EQ(platform.fileDialogs.back().title, "open Temporary Messages File (.TMF)");
    EXPECT_EQ(platform.fileDialogs.back().initialDir, CutDir()); // opening remembered its folder
    EXPECT_EQ(New(1) + "|" + New(4), "Hola*FL|Buenos dias amigo");
    EXPECT_EQ(form.NewMessageBox.Text() + " " + form.BlankCountLabel.Caption(), "Hola*FL 0");

    // Files that are not this file's work change nothing: the name, the bytes (nullptr: no
    // such file), and how the one box starts ("": no box, nullptr: the title and the path).
    const std::tuple<const char*, const char*, const char*> others[] = {
        {"other.tmf", "Original CUT file: C13.CUT\r\n\r\n001 Otra\r\n",
         "Quillon: This file is for C13.CUT."},
        {"case.tmf", "Original CUT file: c12.cut\r\n\r\n001 Otra\r\n",
         "Quillon: This file is for c12.cut."},
        {"empty.tmf", "", nullptr}, // not a .TMF at all
        {"missing.tmf", nullptr, ""},
    };
    for (const auto& [name, bytes, start] : others) {
        const std::string path = Utf8FromPath(work / name);
        if (bytes) WriteBytes(path, bytes);
        platform.messageBoxes.clear();
        Load(path);
        const std::string box = start ? start : "Quillon: " + path;
        EXPECT_EQ(Boxes().substr(0, box.size()), box) << name;
        EXPECT_EQ(platform.messageBoxes.size(), box.empty() ? 0u : 1u) << name;
        EXPECT_EQ(New(1), "Hola*FL");
        EXPECT_EQ(LastDirectory(), Utf8FromPath(work) + kPathSeparator);
    }
}

TEST_F(Writing, ACancelWritesNothingAndAnExistingFileIsReplacedOnlyAfterYes) {
    TranslateC12();
    // A cancelled dialog leaves the last directory alone.
    platform.settings.values["Last directory"] = "somewhere";
    form.CheckRememberLastDirectory.SetValue(0);
    form.Work.OnSaveClicked(TmfContent::NewMessages);
    form.Work.OnLoadClicked();
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
    EXPECT_EQ(ReadBytes(tmf), TmfBytes("C12.CUT", "001 Hello*FL\r\n002 Good day\r\n"));

    Save(TmfContent::NewMessages, tmf);
    Answer(true);
    EXPECT_EQ(ReadBytes(tmf), newLines);

    // An empty file is taken without a question.
    WriteBytes(tmf, "");
    Save(TmfContent::NewMessages, tmf);
    EXPECT_EQ(form.Confirm, nullptr);
    EXPECT_EQ(ReadBytes(tmf), newLines);
}

// Longer than the new file, so a replacement that only overwrites its start is caught.
constexpr const char* kLongOld = "an older translation of this cutscene, much longer than the "
                                 "file that replaces it, which must not leave a byte behind";
constexpr const char* kReplace = "File OLD.CUT already exists.\r\nDo you want to replace it?";
constexpr const char* kUpdate = "Do you want to update C12.CUT?";
// The name chosen in the save dialog, what is there already (nullptr: nothing), "Confirm",
// the question asked ("" for none), the answer, and what happens: 'c'reated, 'u'pdated or
// nothing written.
using TargetCase = std::tuple<const char*, const char*, int, const char*, bool, char>;
struct CreateCutTarget : Writing, ::testing::WithParamInterface<TargetCase> {};

TEST_P(CreateCutTarget, WritesWhatTheUserAgreedTo) {
    const auto& [name, existing, confirm, question, yes, outcome] = GetParam();
    const std::string open = TranslateC12(confirm), target = CutDir() + name;
    const std::string before = existing ? existing : ReadBytes(open);
    if (existing) WriteBytes(target, existing);
    // Settings changed in this session, not yet stored: no outcome loses them.
    form.CheckAlwaysOnTop.UserClick();
    platform.colourAnswers.push_back(0x123456);
    form.Settings.OnNewBackgroundClicked();

    Create(target);
    EXPECT_EQ(Question(), question);
    if (*question) Answer(yes);
    EXPECT_TRUE(form.Window.Enabled && form.CheckAlwaysOnTop.Value() == 1 && form.Window.Topmost &&
                form.NewMessageBox.BackColor == 0x123456u);

    if (outcome == 'c') {
        EXPECT_EQ(ReadBytes(target) + Boxes(), Bank(kWritten) + ": CUT file is created!\n");
        // The open file stays, and its table keeps the padding that was written.
        EXPECT_EQ(form.State.FileName + "|" + New(1) + "|" + form.NewMessageBox.Text(),
                  "C12.CUT|Hola *FL|Buenos dias amigo");
    } else if (outcome == 'u') {
        EXPECT_EQ(ReadBytes(open) + ReadBytes(open + ".BAK"), Bank(kWritten) + Bank(kOriginal));
        EXPECT_TRUE(!fs::exists(open + ".TEMP") && LastMessage() == "CUT file is updated!");
        // The originals stay beside the translation, and a later write starts from them.
        EXPECT_EQ(Original(1) + "|" + New(1) + "|" + form.OriginalMessageBox.Text(),
                  "Hello*FL|Hola *FL|Good day");
        Create(CutDir() + "AGAIN.CUT");
        EXPECT_EQ(ReadBytes(CutDir() + "AGAIN.CUT"), Bank(kWritten));
    } else {
        EXPECT_EQ(ReadBytes(existing ? target : open) + Boxes() + New(1), before + "Hola*FL");
    }
}

const TargetCase kTargets[] = {
    {"NEW.CUT", nullptr, 1, "", 0, 'c'},         {"NEW.CUT", "", 1, "", 0, 'c'},
    {"OLD.CUT", kLongOld, 0, "", 0, 'c'},        {"OLD.CUT", kLongOld, 1, kReplace, 1, 'c'},
    {"OLD.CUT", "keep me", 1, kReplace, 0, '-'}, {"C12.CUT", nullptr, 0, "", 0, 'u'},
    {"C12.CUT", nullptr, 1, kUpdate, 1, 'u'},    {"C12.CUT", nullptr, 1, kUpdate, 0, '-'},
    {"c12.cut", nullptr, 0, "", 0, 'u'}};
INSTANTIATE_TEST_SUITE_P(Stories, CreateCutTarget, ::testing::ValuesIn(kTargets));

TEST_F(Writing, ACancelAWriteTheFormatCannotHoldOrAFailedWriteLeavesTheFilesUntouched) {
    const std::string open = TranslateC12(0);
    form.OnWriteFileClicked(); // the dialog is cancelled
    const FileDialogRequest& asked = platform.fileDialogs.back();
    EXPECT_EQ(asked.title, "Create new Flight of the Amazon Queen Cutscene file (.CUT)");
    // Every kind at once first, so a folder of the game shows all its text files.
    EXPECT_TRUE(asked.filter.starts_with(
        "Flight of the Amazon Queen text files (*.CUT *.DOG QUEEN2.JAS *.CRD)|"
        "*.cut;*.dog;queen2.jas;*.crd|Flight of the Amazon Queen Cutscene files (*.CUT)|*.cut|"))
        << asked.filter;
    EXPECT_TRUE(asked.save && asked.fileName == "C12.CUT");
    EXPECT_EQ(Listing(CutDir()), "C12.CUT");

    // 255 bytes against an even original: the padding would make it 256.
    Type(2, std::string(255, 'a'));
    Create(CutDir() + "NEW.CUT");
    EXPECT_EQ(platform.fileDialogs.size(), 2u) << "no save dialog for an unwritable table";
    EXPECT_EQ(Boxes().rfind("Quillon: ", 0), 0u);

    // A folder that does not exist: the failure names the file and nothing else changes.
    Type(2, "Buenos dias amigo");
    const std::string gone = CutDir() + "gone" + kPathSeparator;
    platform.fileDialogAnswers.clear(); // the answer the refused table never took
    Create(gone + "NEW.CUT");
    EXPECT_TRUE(platform.messageBoxes.back().title == kAppTitle &&
                LastMessage().find("NEW.CUT") != std::string::npos)
        << LastMessage();
    EXPECT_EQ(Listing(CutDir()) + "|" + ReadBytes(open) + "|" + New(1),
              "C12.CUT|" + Bank(kOriginal) + "|Hola*FL");
    // The dialog itself succeeded, so its folder is remembered.
    EXPECT_EQ(platform.settings.values["Last directory"], gone);

    // A folder in the backup's place: the old version cannot be kept as C12.CUT.BAK, so the
    // update leaves it and says why.
    fs::create_directories(open + ".BAK" + kPathSeparator + "inside");
    Create(open);
    EXPECT_EQ(ReadBytes(open) + ReadBytes(open + ".TEMP"), Bank(kOriginal) + Bank(kWritten));
    EXPECT_TRUE(platform.messageBoxes.back().title == kAppTitle &&
                LastMessage().find(".TEMP") != std::string::npos)
        << LastMessage();
}

// 1 to n, and "1, 2, ..., n"
std::pair<std::vector<int>, std::string> UpTo(int n) {
    std::pair<std::vector<int>, std::string> both{{1}, "1"};
    for (int k = 2; k <= n; ++k)
        both.first.push_back(k), both.second += ", " + std::to_string(k);
    return both;
}

TEST(InvalidReport, ListsTheMessagesInAQuestionThatFitsThemAndHoldsTheMainWindow) {
    std::vector<std::string> messages;
    for (int n = 1; n <= 120; ++n)
        messages.push_back("Message " + std::to_string(n));
    const std::string bytes = CutBytes(messages);
    // The invalid messages, the report, and the label top, window height and button tops.
    const std::tuple<std::vector<int>, std::string, const char*> cases[] = {
        {{1}, "The 1st message is invalid.", "240 1940 1040 1040"},
        {{2}, "The 2nd message is invalid.", "240 1940 1040 1040"},
        {{3}, "The 3rd message is invalid.", "240 1940 1040 1040"},
        {{22}, "The 22th message is invalid.", "240 1940 1040 1040"},
        {{5, 7}, "There are 2 invalid messages:\r\n5 and 7.", "120 1940 1040 1040"},
        {UpTo(20).first, "There are 20 invalid messages:\r\n" + UpTo(19).second + " and 20.",
         "120 2060 1160 1160"},
        {{5, 104}, "There are 2 invalid messages:\r\n5, 104", "120 1940 1040 1040"},
        {UpTo(115).first, "There are 115 invalid messages:\r\n" + UpTo(115).second,
         "120 1940 1040 1040"}, // too many to grow for
    };
    bool yes = false;
    for (const auto& [invalid, report, layout] : cases) {
        SCOPED_TRACE(report.substr(0, 30));
        Editor e;
        // The report is asked for with "Confirm" on or off.
        e.platform.settings.values["Confirm"] = (yes = !yes) ? "1" : "0";
        e.platform.settings.values["Always on top"] = "1";
        e.Open(e.Put("C40.CUT", bytes));
        e.Raw();
        for (int n : invalid)
            e.Type(n, "x*");
        Control* typing = e.form.Focus.Current();
        e.form.OnWriteFileClicked();
        ASSERT_NE(e.form.Confirm, nullptr);
        EXPECT_EQ(e.Question(), report + "\r\nAre you sure you want to create the .CUT file?");
        const QuestionWindow& w = *e.form.Confirm;
        std::string shown;
        for (double value : {w.QuestionLabel.Top, w.Window.Height, w.btnYes.Top, w.btnNo.Top})
            shown += (shown.empty() ? "" : " ") + std::to_string(static_cast<int>(value));
        EXPECT_EQ(shown, layout);
        EXPECT_EQ(w.Window.Caption, " Confirmation");
        EXPECT_TRUE(w.Window.Visible && w.Window.CloseRemoved && w.Window.Topmost &&
                    w.QuestionLabel.ForeColor == kDarkRed && e.form.Focus.Current() == &w.btnNo &&
                    !e.form.Window.Enabled);

        // No goes back to the message; Yes on to the save dialog, whose cancel writes nothing.
        e.Answer(yes);
        EXPECT_TRUE(e.form.Confirm == nullptr && e.form.Window.Enabled);
        EXPECT_EQ(e.platform.fileDialogs.size(), yes ? 2u : 1u);
        EXPECT_TRUE(yes ? e.platform.fileDialogs.back().save : e.form.Focus.Current() == typing);
        EXPECT_EQ(e.Boxes(), "");
    }
}

// Narrow literals are UTF-8 (the sources' encoding), as the editor holds paths.
TEST(FolderNames, EveryFileStepWorksWithNamesOutsideAscii) {
    Editor e("Übersetzung");
    e.platform.settings.values["Hide control characters"] = "0";
    const std::string original = CutBytes({"Hello*FL", "", "X", "Good day"});
    const std::string path = e.Put("É1.CUT", original);
    e.Put("Ö2.CUT", CutBytes({"Next scene"}));
    e.Open(path);
    EXPECT_EQ(Captions({&e.form.OriginalFileNameLabel, &e.form.OriginalFileSizeLabel}) + " | " +
                  e.Original(1),
              "É1.CUT | " + std::to_string(original.size()) + " bytes | Hello*FL");

    e.Type(1, "Hola*FL");
    const std::string lines = TmfBytes("É1.CUT", "001 Hola*FL\r\n");
    EXPECT_EQ(e.Backup("É1_1.tmf"), lines);

    // The work saved in a folder of its own and loaded into a fresh opening.
    const fs::path work = e.platform.temp.path / PathFromUtf8("Arbeit für Ö");
    fs::create_directory(work);
    const std::string tmf = Utf8FromPath(work / PathFromUtf8("É1 (Deutsch).tmf"));
    e.Save(TmfContent::NewMessages, tmf);
    EXPECT_EQ(ReadBytes(tmf), lines);
    e.Open(path);
    e.Load(tmf);
    EXPECT_EQ(e.New(1), "Hola*FL");

    // The update in place leaves the old file as .BAK beside the new one.
    e.Create(path);
    EXPECT_EQ(e.Question(), "Do you want to update É1.CUT?");
    e.Answer(true);
    // Padded, and message 4 left blank.
    EXPECT_EQ(e.LastMessage() + "|" + ReadBytes(path + ".BAK") + "|" + ReadBytes(path),
              "CUT file is updated!|" + original + "|" + CutBytes({"Hola *FL", "", "X", ""}));

    // The folder's listing gives the next file by its own name.
    e.platform.settings.values["Confirm"] = "0";
    e.Open(path);
    e.form.OnNextFileClicked();
    EXPECT_EQ(e.form.State.FileName + " " + e.Original(1), "Ö2.CUT Next scene");
    e.Type("Nächste Szene");
    EXPECT_EQ(e.Backup("Ö2_1.tmf"), TmfBytes("Ö2.CUT", "001 Nächste Szene\r\n"));
    EXPECT_TRUE(e.platform.messageBoxes.size() == 2) << e.Boxes(); // saved, updated
}

// Codes inside the messages, so that the hidden form (the design default) is rebuilt on every
// display: a display that counted as a change would show up here.
const std::string kFile = CutBytes({"Hello*01there", "x", "Second*02one", "*03"});

TEST(Backup, NothingIsWrittenUntilTheWorkChangesThenEveryChangeIsAndWhatStopsItIsTold) {
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

    // Reopened, the file brings its backup back, and the next change goes on in it.
    e.Type("Started");
    EXPECT_EQ(e.New(3) + "|" + Listing(e.BackupDir()), "Segundo*02uno|C12_1.tmf");
    // Releases of a key or the mouse write the backup only when automatic backup is on.
    const std::string backup = e.BackupDir() + "C12_1.tmf";
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

    // Each kind of change starts the backup; an edit that changes nothing does not.
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

    // No free number is told at the first change, and the editing goes on.
    Editor full;
    fs::create_directories(full.BackupDir());
    for (int n = 1; n <= 99; ++n)
        WriteBytes(full.BackupDir() + "c12_" + std::to_string(n) + ".TMF", "old");
    full.Open(full.Put("C12.CUT", kFile));
    EXPECT_EQ(full.Boxes(), "");
    full.Type("Hola");
    full.Type("Hola de nuevo");
    EXPECT_EQ(full.Boxes(), "Quillon: There are too many TMF files in the backup directory.\r\n"
                            "Please delete some of them for the automatic backup.\r\n"
                            "Until then the changes to C12.CUT are not backed up.\n");
    EXPECT_FALSE(full.form.Ended);
    // Once the user has made room, the next change is backed up under the freed number, even
    // the last one.
    fs::remove(full.BackupDir() + "c12_99.TMF");
    full.Type("Hola otra vez");
    EXPECT_EQ(full.Backup("C12_99.tmf"), TmfBytes("C12.CUT", "001 Hola otra vez\r\n"));

    // An unfinished backup is kept, its number skipped, and pointed out once a run.
    Editor later;
    later.platform.settings.values["Confirm"] = "0";
    fs::create_directories(later.BackupDir());
    WriteBytes(later.BackupDir() + "C12_1.tmf.tmp", "the only copy of yesterday's work");
    WriteBytes(later.BackupDir() + "C12_2.tmf", "old");
    WriteBytes(later.BackupDir() + "D13_1.tmf.tmp", "another file's");
    later.Put("D13.CUT", kFile);
    later.Open(later.Put("C12.CUT", kFile));
    EXPECT_EQ(later.Boxes(), "Quillon: An automatic backup that was never finished was found:\r\n" +
                                 later.BackupDir() +
                                 "C12_1.tmf.tmp\r\nIt may hold work that was not saved. It is kept "
                                 "as it is, and its number is not used for new backups.\n");
    later.Type("Hola");
    later.form.OnNextFileClicked(); // D13.CUT's own leftover is told there
    later.form.OnPreviousFileClicked();
    later.Type("Hola otra vez");
    EXPECT_EQ(later.platform.messageBoxes.size(), 2u);
    EXPECT_EQ(Listing(later.BackupDir()), "C12_1.tmf.tmp C12_2.tmf C12_3.tmf D13_1.tmf.tmp");
    EXPECT_EQ(later.Backup("C12_1.tmf.tmp"), "the only copy of yesterday's work");

    // Replacing a backup leaves no temporary file, and never writes over someone else's.
    const std::string path = later.BackupDir() + "C12_4.tmf";
    EXPECT_TRUE(ReplaceBackupFile(path, "newer"));
    WriteBytes(path + ".tmp", "unfinished");
    EXPECT_FALSE(ReplaceBackupFile(path, "newest"));
    EXPECT_EQ(ReadBytes(path) + "|" + ReadBytes(path + ".tmp"), "newer|unfinished");
}

} // namespace
} // namespace quillon::testing
