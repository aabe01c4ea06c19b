// Starting the editor, opening good, broken and text-less files, finding neighbours, and
// closing the file, moving to the next or previous one and leaving, with and without the
// question, the settings saved before every change.
#include "EditorHarness.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>

namespace quillon::testing {
namespace {

TEST(Opening, AGoodFileFillsTheWindowOthersAreReportedAndACancelEndsTheProgram) {
    Editor e;
    // An empty and a one-byte entry come first: F1 must find message 1, not row 1.
    const std::string bytes = CutBytes({"", "x", "Hello*01", "Plain text", "ab"}, 14);
    const std::string path = e.Put("C12.CUT", bytes), size = std::to_string(bytes.size());
    e.Open(path);
    MainWindow& f = e.form;
    EXPECT_EQ(e.platform.fileDialogs.at(0).initialDir + kPathSeparator, e.CutDir());
    EXPECT_EQ(e.platform.settings.values["Last directory"] + " " +
                  f.OriginalFileNameLabel.ToolTipText,
              e.CutDir() + " " + path);
    EXPECT_EQ(Captions({&f.OriginalFileNameLabel, &f.OriginalFileSizeLabel, &f.OriginalCountLabel,
                        &f.NewCountLabel, &f.OriginalFileTextSizeLabel}),
              "C12.CUT | " + size + " bytes | 3 | 3 | 21 bytes");
    // The first message in hidden form (the design default) in row 3; the new box empty.
    EXPECT_EQ(std::to_string(f.MessageSlider.Max) + " " + std::to_string(f.TableView.SelectedRow) +
                  " " + f.OriginalMessageBox.Text() + "|" + f.NewMessageBox.Text(),
              "3 3 Hello|");
    EXPECT_EQ(Captions({&f.OriginalNumberLabel, &f.OriginalTotalSizeLabel, &f.OriginalTextSizeLabel,
                        &f.OriginalCodeCountLabel, &f.NewFileTextSizeLabel, &f.NewFileSizeLabel}),
              "1 | 8 bytes | 5 bytes | 1 | 1 bytes | " + std::to_string(bytes.size() - 21 + 1) +
                  " bytes");
    e.Go(2); // no code, where message 1 had one
    EXPECT_EQ(f.OriginalTextSizeLabel.Caption(), "10 bytes");
    // Every message blank: the counters and the buttons.
    EXPECT_EQ(e.Counters(), "0 [] dark blue | 3 [1, 2, 3] red | - -");

    // The bar passes the text start (20 + S), jumps to its maximum, and rests at 0.
    const auto& bar = e.progress;
    EXPECT_NE(std::find(std::find(bar.begin(), bar.end(), 34.0), bar.end(), bytes.size() + 1.0),
              bar.end());
    EXPECT_EQ(bar.back(), 0);

    // Files the editor cannot read are reported and leave the table empty.
    const std::string good = CutBytes({"Hello there"});
    const std::tuple<const char*, std::string, const char*> cases[] = {
        // name, bytes, and the reader's words after the path
        {"caps.CUT", "AMBK" + good.substr(4),
         "the file is not an AMOS memory bank (it does not start with \"AmBk\")."},
        {"short.CUT", good.substr(0, good.size() - 8),
         "the file ends inside message 1 of the text block."},
        {"missing.CUT", "", "the file does not exist."},
    };
    for (const auto& [name, bytes, what] : cases) {
        // Reached from a good file, as the file cycle reaches it: nothing of that file stays.
        Editor other;
        other.Open(other.Put("good.CUT", good));
        other.Type("Hola");
        ASSERT_EQ(other.form.OriginalMessageBox.Text(), "Hello there");
        if (!bytes.empty()) other.Put(name, bytes);
        const std::string path = other.CutDir() + name;
        other.form.OpenFile(path);
        EXPECT_EQ(other.Boxes(), "Quillon: " + path + ": " + what + "\n");
        EXPECT_EQ(other.form.OriginalMessageBox.Text() + "|" + other.form.NewMessageBox.Text() +
                      "|" + std::to_string(other.form.Doc.Count()) +
                      (other.form.MessageSlider.Visible ? "+" : "") + "|" +
                      other.form.OriginalFileSizeLabel.Caption(),
                  "||0|" + std::to_string(bytes.size()) + " bytes");
    }

    Editor cancel;
    cancel.platform.settings.values["Last directory"] = "/somewhere/";
    cancel.form.Start();
    EXPECT_EQ(cancel.platform.fileDialogs.at(0).initialDir, "/somewhere/");
    EXPECT_TRUE(cancel.form.Ended && !cancel.form.Window.Visible);
    EXPECT_EQ(cancel.platform.settings.values["Last directory"], "");

    // Entries too short to be messages (the reader's tests read the smallest bank too).
    Editor other;
    other.Open(other.Put("EMPTY.CUT", CutBytes({"", "x", ""})));
    EXPECT_EQ(other.Boxes(), ": There aren't any text messages in this file\n");
    ASSERT_EQ(other.platform.fileDialogs.size(), 2u);
    EXPECT_EQ(other.platform.fileDialogs[1].fileName, ""); // the name was cleared...
    EXPECT_TRUE(other.form.Ended);                         // ...so the cancel ends the program
}

TEST(Opening, NeighboursAreUpperCaseCutFilesInLetterOrderAndThoseWithoutTextArePassedOver) {
    Editor e;
    // 0.CUT and B.CUT hold no text.
    for (const char* name : {"0.CUT", "B.CUT", "C.CUT.BAK", "d.cut", "E.txt"})
        e.Put(name, CutBytes({"", "x"}));
    e.Put("C.CUT", CutBytes({"Charlie"}));
    e.Open(e.Put("A.CUT", CutBytes({"Alpha one", "Alpha two"})));
    const std::array<const char*, 3> cases[] = {
        {"0.CUT", "", "A.CUT"},    {"B.CUT", "A.CUT", "C.CUT"}, {"A.CUT", "0.CUT", "B.CUT"},
        {"C.CUT", "B.CUT", ""},    {"c.Cut", "B.CUT", ""},      {"d.cut", "C.CUT", ""},
        {"gone.CUT", "C.CUT", ""},
    };
    for (const auto& [open, previous, next] : cases) {
        e.form.State.FileName = open;
        e.form.FindPreviousFile();
        e.form.FindNextFile();
        EXPECT_EQ(e.form.State.PreviousFileName + " < > " + e.form.State.NextFileName,
                  std::string(previous) + " < > " + next)
            << open;
    }
    e.form.OnNextFileClicked(); // nothing after gone.CUT: nothing happens
    auto openFrom = [&](ReachedBy direction, const char* name) {
        e.form.State.Reached = direction;
        e.form.OpenFile(e.CutDir() + name);
        return Captions({&e.form.OriginalFileNameLabel, &e.form.OriginalNumberLabel}) + " | " +
               e.form.OriginalMessageBox.Text() + " | " + std::to_string(e.form.MessageSlider.Max);
    };
    EXPECT_EQ(openFrom(ReachedBy::NextFile, "B.CUT"), "C.CUT | 1 | Charlie | 2");
    EXPECT_EQ(e.progress.back(), 0);
    EXPECT_EQ(openFrom(ReachedBy::PreviousFile, "B.CUT"), "A.CUT | 1 | Alpha one | 2");
    EXPECT_EQ(e.Boxes(), "");
    openFrom(ReachedBy::PreviousFile,
             "0.CUT"); // nothing before it: told, and the dialog comes back
    EXPECT_EQ(e.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(e.platform.fileDialogs.size(), 2u);

    // The file lists come in letter order without case, then byte by byte.
    std::vector<std::string> names{"b.CUT",  "C.CUT", "a.CUT", "A.CUT.BAK",
                                   "AB.CUT", "A.CUT", "_x.CUT"};
    std::sort(names.begin(), names.end(), ListedBefore);
    EXPECT_EQ(names, (std::vector<std::string>{"_x.CUT", "A.CUT", "a.CUT", "A.CUT.BAK", "AB.CUT",
                                               "b.CUT", "C.CUT"}));
}

#ifndef _WIN32 // on Windows such names are one file (tests/cli/NamesTest.cpp)
TEST(Opening, NamesThatDifferInCaseAreTwoFilesAndPassingOverFilesWithoutTextEnds) {
    // Listed A.CUT, C12.CUT, c12.CUT, D13.CUT on a disk that keeps letter case; c12.CUT and
    // D13.CUT hold no text. Next from C12.CUT passes over both and says so once.
    Editor e;
    e.platform.settings.values["Confirm"] = "0";
    e.Put("A.CUT", CutBytes({"Alpha"}));
    e.Put("c12.CUT", CutBytes({"", "x"}));
    e.Put("D13.CUT", CutBytes({"", "y"}));
    e.Open(e.Put("C12.CUT", CutBytes({"Twelve"})));
    e.platform.fileDialogAnswers.push_back(e.CutDir() + "A.CUT");
    e.form.OnNextFileClicked();
    EXPECT_EQ(e.Boxes(), ": There aren't any text messages in this file\n");
    // Reached backwards, D13.CUT passes over c12.CUT, whose neighbour is C12.CUT, not A.CUT.
    e.form.State.Reached = ReachedBy::PreviousFile;
    e.form.OpenFile(e.CutDir() + "D13.CUT");
    EXPECT_EQ(e.form.State.FileName + " " + e.form.OriginalMessageBox.Text(), "C12.CUT Twelve");
    EXPECT_EQ(e.platform.messageBoxes.size(), 1u);
}
#endif

// A listing that comes back in the other order every second time, as a folder changed
// meanwhile may: each file is still opened at most once.
struct FlippingPlatform : FakePlatform {
    std::string cutFolder = Utf8FromPath(programFolder / "CUT") + kPathSeparator;
    int listings = 0;
    std::vector<std::string> ListDirectory(const std::string& dir) override {
        if (listings > 50) throw std::runtime_error("the editor keeps going round the folder");
        std::vector<std::string> names = FakePlatform::ListDirectory(dir);
        if (dir == cutFolder && listings++ % 2 == 1) std::reverse(names.begin(), names.end());
        return names;
    }
};

TEST(Opening, PassingOverFilesWithoutTextVisitsEachFileOnce) {
    for (ReachedBy direction : {ReachedBy::PreviousFile, ReachedBy::NextFile}) {
        FlippingPlatform platform;
        for (const char* name : {"A.CUT", "B.CUT", "C.CUT"})
            WriteBytes(platform.cutFolder + name, CutBytes({"", "x"}));
        MainWindow form(platform);
        form.State.Reached = direction;
        form.OpenFile(platform.cutFolder + "B.CUT");
        ASSERT_EQ(platform.messageBoxes.size(), 1u) << static_cast<int>(direction);
        EXPECT_EQ(platform.messageBoxes[0].text, "There aren't any text messages in this file");
    }
}

// Typed work follows its file whichever way it is reached again, and a notice speaks only of
// the message and the moment it was given for.
TEST_F(RawEditor, ReopenedFilesBringBackTheirWorkAndNoticesEndWithTheirCause) {
    Put("A.CUT", CutBytes({"Hello", "World"}));
    Put("B.CUT", CutBytes({"One"}));
    Open(CutDir() + "A.CUT");
    Type(1, "Hola");
    Press(Key::Y, Modifier::Ctrl);
    EXPECT_EQ(form.Notice.Text, "Nothing to redo.");
    Type("Hola!"); // the next command takes it away
    EXPECT_EQ(form.Notice.Text, "");
    Press(Key::Y, Modifier::Ctrl);
    // The work is in its backup: no question, and the notice stays behind with A.CUT.
    form.OnNextFileClicked();
    EXPECT_EQ(form.State.FileName + "|" + New(1) + "|" + form.Notice.Text + "|" + Question(),
              "B.CUT|||");
    form.OnPreviousFileClicked();
    EXPECT_EQ(New(1) + "|" + form.Notice.Text,
              "Hola!|Your work on A.CUT is back, from " + BackupDir() + "A_1.tmf.");
    // The next change goes on in the backup that was read, and the notice ends with the
    // message it was shown over.
    Type(2, "Mundo");
    EXPECT_EQ(form.Notice.Text, "");
    EXPECT_EQ(Listing(BackupDir()), "A_1.tmf");
    EXPECT_EQ(Backup("A_1.tmf"), TmfBytes("A.CUT", "001 Hola!\r\n002 Mundo\r\n"));
    // The project window names the same work file.
    Press(Key::F9);
    ASSERT_NE(form.Tools.Project, nullptr);
    EXPECT_EQ(form.Tools.Project->Rows.at(0).readFrom, "A_1.tmf (backup)");
    // A work file loaded over work just brought back leaves that work in its backup.
    form.OnNextFileClicked(), form.OnPreviousFileClicked();
    const std::string work = Utf8FromPath(platform.temp.path / "A.tmf");
    WriteBytes(work, TmfBytes("A.CUT", "001 Otra\r\n"));
    Load(work);
    Answer(true);
    EXPECT_EQ(Backup("A_1.tmf") + Backup("A_2.tmf"),
              TmfBytes("A.CUT", "001 Hola!\r\n002 Mundo\r\n") +
                  TmfBytes("A.CUT", "001 Otra\r\n002 Mundo\r\n"));
}

// After a work file was loaded, "Close file" offers no work file to open, and a cancel leaves
// the window with no file rather than a half-open one.
TEST_F(RawEditor, ACancelAfterCloseFileLeavesAnEmptyEditor) {
    Open(Put("C12.CUT", CutBytes({"Hello", "World"})));
    const std::string work = Utf8FromPath(platform.temp.path / "C12.tmf");
    WriteBytes(work, TmfBytes("C12.CUT", "001 Hola\r\n002 Mundo*\r\n"));
    Load(work);
    ASSERT_EQ(form.InvalidCountLabel.Caption(), "1");
    form.OnCloseFileClicked();
    EXPECT_EQ(platform.fileDialogs.back().fileName, "");
    EXPECT_EQ(form.State.FileName + "|" + form.OriginalFileNameLabel.Caption() + "|" +
                  form.OriginalMessageBox.Text() + "|" + form.NewMessageBox.Text() + "|" +
                  std::to_string(form.Doc.Count()),
              "||||0");
    EXPECT_EQ(Captions({&form.OriginalCountLabel, &form.InvalidCountLabel, &form.BlankCountLabel,
                        &form.NewFileSizeLabel}),
              "0 | 0 | 0 | 0 bytes");
    EXPECT_TRUE(form.Window.Visible && !form.Ended && !form.btnSaveNewMessages.Enabled &&
                !form.btnWriteFile.Enabled);
    EXPECT_EQ(Boxes(), "");
    // Keys and file steps find nothing to act on; the next "Close file" opens a file.
    Press(Key::F7), Press(Key::F12);
    Type("typed into no file");
    EXPECT_EQ(form.Doc.Count(), 0);
    Dialog(CutDir() + "C12.CUT");
    form.OnCloseFileClicked();
    EXPECT_EQ(form.State.FileName + " " + New(1), "C12.CUT Hola");
}

// A command, and how it is carried out: at once (no question: the typed work is in its
// backup), or answered Yes or No (asked: no backup can be written).
enum Answered { AtOnce, Yes, No };
using CycleCase = std::tuple<char, Answered>;
const std::map<char, void (MainWindow::*)()> kCommands{{'c', &MainWindow::OnCloseFileClicked},
                                                       {'n', &MainWindow::OnNextFileClicked},
                                                       {'p', &MainWindow::OnPreviousFileClicked},
                                                       {'x', &MainWindow::OnExitClicked}};

struct CycleCommand : RawEditor, ::testing::WithParamInterface<CycleCase> {};

TEST_P(CycleCommand, ActsAfterSavingTheSettingsOrLeavesAllAsItWas) {
    const auto [command, answered] = GetParam();
    // Listed A.CUT, B.CUT, B.CUT.BAK, c.cut, D.CUT, E.CUT: next passes over the lower-case
    // name and D.CUT, which holds no text.
    for (const char* name : {"A.CUT", "B.CUT", "B.CUT.BAK", "c.cut", "E.CUT"})
        Put(name, CutBytes({"Hello", "World"}));
    Put("D.CUT", CutBytes({"", "X"}));
    platform.settings.values["Confirm"] = "1";
    if (answered != AtOnce) WriteBytes(BackupDir().substr(0, BackupDir().size() - 1), "a file");
    Open(CutDir() + "B.CUT");
    Type(1, "Hola");
    EXPECT_EQ(Backup("B_1.tmf").empty(), answered != AtOnce);
    form.OnHelpClicked();
    ASSERT_TRUE(form.Help->Window.Visible && form.Window.Enabled); // Help holds nothing
    Press(Key::F9), Press(Key::F, Modifier::Ctrl);                 // nor do these two
    platform.settings.values["Stray"] = "gone once the settings are saved";
    platform.fileDialogAnswers.push_back(CutDir() + "A.CUT"); // for the open dialog after close

    (form.*kCommands.at(command))();
    if (answered != AtOnce) {
        EXPECT_EQ(Question(), command == 'x' ? "Are you sure you want to exit Quillon?"
                                             : "Are you sure you want to close file B.CUT?");
        EXPECT_EQ(form.Confirm->QuestionLabel.Top, 360);
        Answer(answered == Yes);
    }
    const bool acted = answered != No;
    EXPECT_EQ(platform.settings.values.count("Stray"), acted ? 0u : 1u);
    EXPECT_EQ(form.Ended, acted && command == 'x');
    EXPECT_EQ(platform.quitCalls, form.Ended ? 1 : 0);
    EXPECT_EQ(form.Help == nullptr, form.Ended);
    // An ended program leaves no window showing, which the platform would have to close.
    std::string showing;
    for (auto [name, window] :
         {std::pair{"main", &form.Window},
          {"find", form.Tools.Find ? &form.Tools.Find->Window : nullptr},
          {"project", form.Tools.Project ? &form.Tools.Project->Window : nullptr}})
        if (window && window->Visible) showing += std::string(showing.empty() ? "" : " ") + name;
    EXPECT_EQ(showing, form.Ended ? "" : "main find project");
    if (command != 'x') {
        EXPECT_EQ(form.State.FileName, !acted ? "B.CUT" : command == 'n' ? "E.CUT" : "A.CUT");
    }
    EXPECT_EQ(platform.fileDialogs.size(), acted && command == 'c' ? 2u : 1u);
    EXPECT_TRUE(platform.messageBoxes.empty());
}

std::string CaseName(const ::testing::TestParamInfo<CycleCase>& info) {
    static const char* const answers[] = {"AtOnce", "Yes", "No"};
    return std::string(1, std::get<0>(info.param)) + answers[std::get<1>(info.param)];
}
INSTANTIATE_TEST_SUITE_P(Commands, CycleCommand,
                         ::testing::Combine(::testing::Values('c', 'n', 'p', 'x'),
                                            ::testing::Values(AtOnce, Yes, No)),
                         CaseName);

} // namespace
} // namespace quillon::testing
