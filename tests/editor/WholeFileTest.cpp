// Working through a whole file and folder: undo and redo of the new message, the find window
// and the project window.
#include "EditorHarness.h"
#include "support/DogImage.h"

#include <algorithm>
#include <functional>

namespace quillon::testing {
namespace {

// Eight messages; the work file breaks message 6 and leaves 3 and 8 untranslated.
struct WholeFile : RawEditor {
    const std::string work = Utf8FromPath(platform.temp.path / "C12.tmf");
    WholeFile() {
        Open(Put("C12.CUT", CutBytes({"Hello*01World", "Plain", "Third", "Fourth", "Fifth",
                                      "Six*FL", "Seven", "Eight"})));
        WriteBytes(work, TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n002 Llano\r\n004 Cuarto\r\n"
                                             "005 Quinto\r\n006 Se**is\r\n007 Siete\r\n"));
        Load(work);
    }
    // Types one character at a time at the end, as keys do.
    void TypeKeys(const std::string& text) {
        for (char c : text)
            Type(f.NewMessageBox.Text() + c);
    }
    void Backspace() {
        const std::string& text = f.NewMessageBox.Text();
        Type(text.substr(0, text.size() - 1));
    }
    // The shown message's number and the last notice, "6 (This is the only ...)".
    std::string Where() const {
        return std::to_string(f.MessageSlider.Value) + " (" + f.Notice.Text + ")";
    }
};

TEST_F(WholeFile, UndoAndRedoStepThroughTypedWordsAndCommandsPerMessage) {
    // (F7 and F8 through the whole file are driven through the Qt window, EditorWindowTest.cpp;
    // from the original's box F7 is swallowed.)
    int key = KeyCodeOf(Key::F7), shift = 0;
    f.OnOriginalBoxKeyDown(key, shift);
    EXPECT_EQ(std::to_string(key + shift) + " " + Where(), "0 6 ()");

    Go(3);
    TypeKeys("Tres y");
    Backspace(), Backspace();
    TypeKeys(" mas");
    Press(Key::Down); // the caret moves: what follows is a step of its own
    TypeKeys("!");
    Type(4, "Cuatro*");
    Go(3); // the restore point is now "Tres mas!"
    Press(Key::F10), Press(Key::Pause), Press(Key::Escape);

    // Every undo goes through the edit step: the box, the row and the counters follow.
    auto undo = [&] { Press(Key::Z, Modifier::Ctrl); };
    auto shown = [&] {
        return f.NewMessageBox.Text() + "|" + New(3) + "|" + f.BlankCountLabel.Caption();
    };
    std::vector<std::string> seen;
    for (int i = 0; i < 9; ++i) {
        f.Notice.Text.clear();
        undo();
        seen.push_back(shown() + f.Notice.Text);
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"||2", "Third|Third|1", "Tres mas!|Tres mas!|1",
                                        "Tres mas|Tres mas|1", "Tres|Tres|1", "Tres y|Tres y|1",
                                        "Tres|Tres|1", "||2", "||2Nothing to undo."}));
    Press(Key::Y, Modifier::Ctrl), Press(Key::Y, Modifier::Ctrl);
    EXPECT_EQ(shown(), "Tres y|Tres y|1");
    EXPECT_NE(Backup().find("003 Tres y\r\n"), std::string::npos) << Backup();
    Press(Key::Z, Modifier::Ctrl | Modifier::Shift),
        Press(Key::Z, Modifier::Ctrl | Modifier::Shift);
    EXPECT_EQ(shown(), "Tres mas|Tres mas|1");
    EXPECT_EQ(f.NewMessageBox.SelStart, 8) << "the caret ends where the change did";
    TypeKeys("?"); // a new step forgets what was undone
    Press(Key::Y, Modifier::Ctrl);
    EXPECT_EQ(shown() + f.Notice.Text, "Tres mas?|Tres mas?|1Nothing to redo.");

    // Message 4 kept its own steps, the loaded text among them; reopening forgets them all.
    EXPECT_EQ(Counters(), "2 [4, 6] red | 1 [8] red | save -");
    Go(4);
    undo();
    EXPECT_EQ(New(4), "Cuarto");
    undo();
    EXPECT_EQ(New(4) + "|" + f.InvalidCountLabel.Caption(), "|1");
    Go(8); // the box shows "" as before: the steps start from message 8 all the same
    TypeKeys("Ocho");
    undo();
    EXPECT_EQ(New(8) + "|" + f.NewMessageBox.Text(), "|");
    Open(CutDir() + "C12.CUT");
    undo();
    EXPECT_EQ(f.Notice.Text, "Nothing to undo.");
}

TEST(WholeFileHidden, AStepTakenWithTheCodesHiddenComesBackInTheModeOfTheMoment) {
    Editor e;
    MainWindow& f = e.form;
    e.Open(e.Put("C12.CUT", CutBytes({"Hello*01World", "Second"})));
    e.Type(2, "Segundo"), e.Go(1); // a neighbour with a text of its own
    e.Type("Hola\r\nMundo");
    e.Press(Key::F10);
    EXPECT_EQ(e.New(1), "Hello*01World");
    e.Press(Key::Z, Modifier::Ctrl);
    EXPECT_EQ(f.NewMessageBox.Text() + "|" + e.New(1), "Hola\r\nMundo|Hola*01Mundo");
    e.Raw(); // a display: no step of its own
    EXPECT_EQ(f.NewMessageBox.Text(), "Hola*01Mundo");
    e.Press(Key::Z, Modifier::Ctrl);
    EXPECT_EQ(f.NewMessageBox.Text() + "|" + e.New(1), "|");
    e.Press(Key::Y, Modifier::Ctrl);
    EXPECT_EQ(f.NewMessageBox.Text() + "|" + e.New(1), "Hola*01Mundo|Hola*01Mundo");

    // A loaded message whose codes would not come back from the hidden form is shown with
    // them, unchanged and still invalid, and the translator is told why.
    f.CheckHideControlCharacters.SetValue(1);
    const std::string work = Utf8FromPath(e.platform.temp.path / "C12.tmf");
    WriteBytes(work, TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n002 Segundo*0\r\n"));
    e.Load(work);
    // It would replace what is typed in message 2: asked first, and what it replaces is kept.
    EXPECT_EQ(e.Question(), "C12.tmf replaces what is typed in 1 message (2).\r\n"
                            "Do you want to load it?");
    e.Answer(true);
    EXPECT_EQ(f.Notice.Text,
              "The messages typed before are kept in " + e.BackupDir() + "C12_1.tmf.");
    EXPECT_EQ(e.Backup(), TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n002 Segundo\r\n"));
    EXPECT_EQ(e.Counters(), "1 [2] red | 0 [] blue | save create");
    e.Press(Key::F7);
    EXPECT_EQ(e.New(2) + "|" + f.NewMessageBox.Text() + "|" + f.InvalidCountLabel.Caption(),
              "Segundo*0|Segundo*0|1");
    EXPECT_EQ(f.Notice.Text, "Message 2 is shown with its control codes: hidden, they would not "
                             "come back as they are.");
    // Typing there takes the box as it stands; the next message is hidden as usual.
    e.Type("Segundo");
    EXPECT_EQ(e.New(2) + "|" + f.InvalidCountLabel.Caption(), "Segundo|0");
    e.Go(1);
    EXPECT_EQ(f.NewMessageBox.Text() + "|" + f.Notice.Text, "Hola\r\nMundo|");
}

// Control codes hidden, as on a first run; messages 2 and 3 have translations.
struct Find : ::testing::Test, Editor {
    Find() {
        Open(Put("C12.CUT", CutBytes({"Hello*01World", "*01Say*02hello there*03", "Plain words",
                                      "*01*02", "Worldly*FL"})));
        Type(2, "Dilo\r\nya");
        Type(3, "Palabras del mundo");
        Go(1);
        Press(Key::F, Modifier::Ctrl);
    }
    // Types the text, picks where to look, presses Enter (or Shift+Enter) in the field.
    std::string Search(const std::string& text, bool forward = true,
                       OptionButton* where = nullptr) {
        f.Tools.Find->TextFind.SetText(text);
        if (where) where->UserClick();
        int key = KeyCodeOf(Key::Return), shift = forward ? 0 : Modifier::Shift;
        f.Tools.Find->OnFindTextKeyDown(key, shift);
        EXPECT_EQ(key + shift, 0) << "Enter is the field's own";
        EXPECT_EQ(f.Focus.Current(), &f.Tools.Find->TextFind) << "typing goes on in the field";
        return std::to_string(f.MessageSlider.Value) + " " + f.Tools.Find->LabelStatus.Caption();
    }
};

TEST_F(Find, EnterGoesToTheNextMessageThatShowsTheTextRoundTheEndAndEscCloses) {
    ASSERT_NE(f.Tools.Find, nullptr);
    EXPECT_TRUE(f.Tools.Find->Window.Visible && f.Focus.Current() == &f.Tools.Find->TextFind);
    FindWindow& w = *f.Tools.Find;
    const std::pair<std::function<std::string()>, std::string> steps[] = {
        {[&] { return Search("WORLD"); }, "5 Message 5."},
        {[&] { return Search("WORLD"); }, "1 Went round to the first message."},
        {[&] { return Search("world", false); }, "5 Went round to the last message."},
        // What the boxes show: the hidden form, where codes are line breaks...
        {[&] { return Search("o*01W"); }, "5 Not found."},
        {[&] { return Search("Say\r\nhello"); }, "2 Went round to the first message."},
        {[&] { return Search("*"); }, "4 Message 4."}, // codes only: both boxes show "*"
        {[&] { return Search("mundo", true, &w.OptionOriginal); }, "4 Not found."},
        {[&] { return Search("mundo", true, &w.OptionNew); }, "3 Went round to the first message."},
        {[&] { return Search("mundo"); }, "3 Only this message holds it."},
        {[&] { return Search("lo\r\nya"); }, "2 Went round to the first message."},
        {[&] { return Search("plain", true, &w.OptionBoth); }, "3 Message 3."},
        {[&] { return w.CheckMatchCase.UserClick(), Search("plain"); }, "3 Not found."},
        {[&] { return Search(""); }, "3 Type the text to find."},
        // Accents ignored, with the case matched or not.
        {[&] {
             return w.CheckIgnoreAccents.UserClick(), Search("Pal\xE1"
                                                             "bras");
         },
         "3 Only this message holds it."},
        {[&] {
             return w.CheckMatchCase.UserClick(), Search("PAL\xC1"
                                                         "BRAS");
         },
         "3 Only this message holds it."},
        {[&] {
             return w.CheckMatchCase.UserClick(), w.CheckIgnoreAccents.UserClick(),
                    Search("Pal\xE1");
         },
         "3 Not found."},
    };
    for (const auto& [step, expected] : steps)
        EXPECT_EQ(step(), expected);

    // ...and the codes themselves once they are shown.
    f.CheckHideControlCharacters.SetValue(0);
    w.CheckMatchCase.UserClick();
    EXPECT_EQ(Search("O*01w"), "1 Went round to the first message.");
    // Where it stands is selected: here in the original, since the new message is empty.
    EXPECT_EQ(f.OriginalMessageBox.SelStart, 4);
    EXPECT_EQ(f.OriginalMessageBox.SelLength, 5);
    EXPECT_EQ(Search("DEL"), "3 Message 3.");
    EXPECT_EQ(f.NewMessageBox.SelStart, 9);
    EXPECT_EQ(f.NewMessageBox.SelLength, 3);

    // Esc closes the window, and the new message has the keyboard again.
    int key = KeyCodeOf(Key::Escape), shift = 0;
    w.OnFindTextKeyDown(key, shift);
    EXPECT_TRUE(key == 0 && f.Tools.Find == nullptr && f.Focus.Current() == &f.NewMessageBox);
    // A question open in the main window holds the searches too.
    Press(Key::F, Modifier::Ctrl);
    const std::string other = Utf8FromPath(platform.temp.path / "C12.tmf");
    WriteBytes(other, TmfBytes("C12.CUT", "002 Otra\r\n"));
    Load(other);
    ASSERT_NE(Question(), "");
    f.Tools.Find->TextFind.SetText("Worldly");
    f.Tools.Find->btnNext.Click();
    EXPECT_EQ(f.MessageSlider.Value, 3);
}

// A folder of four cutscene files, backups of A.CUT in the Backup folder, and a work folder.
struct Project : RawEditor {
    const fs::path work = platform.temp.path / "work";
    fs::file_time_type t0 = fs::file_time_type::clock::now() - std::chrono::hours(10);

    void At(const fs::path& path, const std::string& bytes, int hour) {
        WriteBytes(path, bytes);
        fs::last_write_time(path, t0 + std::chrono::hours(hour));
    }
    Project() {
        fs::create_directories(work);
        Put("A.CUT", CutBytes({"One", "Two*FL", "Three"}));
        Put("B.CUT", CutBytes({"Alpha", "x", "Beta"}));
        Put("C.CUT", CutBytes({"", "y"}));
        Put("D.CUT", "AmBk broken");
        Put("E.CUT", CutBytes({"*FR", "*03*FL  "})); // codes alone: nothing to translate
        Put("notes.txt", "not a cutscene file");
        Open(CutDir() + "B.CUT");
        const std::string backups = BackupDir();
        fs::create_directories(backups);
        At(backups + "A_1.tmf", TmfBytes("A.CUT", "001 Uno\r\n"), 1);
        At(backups + "A_2.tmf", TmfBytes("A.CUT", "001 Uno\r\n002 Dos*\r\n"), 3);
        At(backups + "A_4.tmf.tmp", TmfBytes("A.CUT", "001 X\r\n"), 6); // an interrupted write
        At(work / "A.tmf", TmfBytes("A.CUT", "001 Uno\r\n002 Dos*FL\r\n003 Tres\r\n"), 2);
        At(work / "beta.tmf", TmfBytes("B.CUT", "001 Alfa\r\n"), 4);
        At(work / "other.tmf", TmfBytes("b.cut", "001 Wrong\r\n003 Wrong\r\n"), 7); // not B.CUT's
    }
    // Each row as "name withText/translated/unchanged/blank/invalid percent% read from".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (const ProjectRow& r : f.Tools.Project->Rows)
            rows.push_back(r.name + (r.openFile ? "* " : " ") + r.withText + "/" + r.translated +
                           "/" + r.unchanged + "/" + r.blank + "/" + r.invalid + " " +
                           std::to_string(r.percent) + "% " + r.readFrom);
        return rows;
    }
};

TEST_F(Project, EveryFileIsCountedFromItsNewestWorkFileAndADoubleClickOpensIt) {
    Press(Key::F9);
    ASSERT_NE(f.Tools.Project, nullptr);
    ProjectWindow& p = *f.Tools.Project;
    EXPECT_TRUE(p.Window.Visible);
    EXPECT_EQ(Captions({&p.LabelFolder, &p.LabelWorkFolder, &p.LabelTotal}),
              CutDir() + " | Work folder: none chosen | 1 of 5 messages translated in 5 files; "
                         "0 unchanged, 3 blank, 1 invalid");
    // B.CUT has no backup: nothing was typed since it was opened.
    EXPECT_EQ(Rows(), (std::vector<std::string>{
                          "A.CUT 3/1/0/1/1 33% A_2.tmf (backup)",
                          "B.CUT* 2/0/0/2/0 0% none",
                          "C.CUT 0/0/0/0/0 0% none",
                          "D.CUT 0/0/0/0/0 0% " + CutDir() +
                              "D.CUT: the file ends inside the memory bank header.",
                          "E.CUT 0/0/0/0/0 0% none",
                      }));
    EXPECT_EQ(p.Rows[0].invalidList, "2");
    EXPECT_EQ(p.ProgressTotal.Value, 1);
    EXPECT_EQ(p.ProgressTotal.Max, 5);

    // The work folder is chosen once and kept with the settings.
    platform.folderAnswers.push_back(Utf8FromPath(work));
    p.btnWorkFolder.Click();
    EXPECT_EQ(p.LabelWorkFolder.Caption(), "Work folder: " + Utf8FromPath(work));
    f.Settings.Save();
    EXPECT_EQ(platform.settings.values["Work folder"], Utf8FromPath(work));
    EXPECT_EQ(Rows()[0], "A.CUT 3/1/0/1/1 33% A_2.tmf (backup)"); // still the newest
    EXPECT_EQ(Rows()[1], "B.CUT* 2/1/0/1/0 50% beta.tmf (work folder)");
    fs::last_write_time(work / "A.tmf", t0 + std::chrono::hours(8));
    p.btnRefresh.Click();
    EXPECT_EQ(Rows()[0], "A.CUT 3/3/0/0/0 100% A.tmf (work folder)");
    EXPECT_EQ(p.Rows[0].readFromTip, Utf8FromPath(work / "A.tmf"));

    // What is typed reaches the backup of this opening, which is then the newest; a message
    // left as its original is not translated.
    Type(1, "Alfa");
    Type(2, "Beta");
    p.btnRefresh.Click();
    EXPECT_EQ(Rows()[1], "B.CUT* 2/1/1/0/0 50% B_1.tmf (backup)");

    // A file that cannot be opened says why and stays where it is.
    p.OnRowDoubleClicked(2);
    EXPECT_EQ(p.LabelStatus.Caption(), "C.CUT has no text messages.");
    p.OnRowDoubleClicked(3);
    EXPECT_EQ(p.LabelStatus.Caption(),
              CutDir() + "D.CUT: the file ends inside the memory bank header.");
    // What is typed is in its backup, so A.CUT opens without a question, its newest work
    // brought back, and the settings saved first.
    platform.settings.values.erase("Confirm");
    p.OnRowDoubleClicked(0);
    EXPECT_EQ(f.State.FileName + " " + New(3) + "|" + f.Notice.Text,
              "A.CUT Tres|Your work on A.CUT is back, from " + Utf8FromPath(work / "A.tmf") + ".");
    EXPECT_EQ(platform.settings.values["Confirm"], "1") << "the settings were saved first";
    EXPECT_EQ(Captions({&f.OriginalNumberLabel, &f.OriginalCountLabel}), "1 | 3");
    // Typed where no backup can be written: "Confirm overwriting/closing files" is on, so the
    // close question comes first, and No keeps A.CUT.
    fs::remove_all(BackupDir());
    WriteBytes(BackupDir().substr(0, BackupDir().size() - 1), "a file in the folder's place");
    Type(1, "Una");
    p.OnRowDoubleClicked(1);
    EXPECT_EQ(Question(), "Are you sure you want to close file A.CUT?");
    p.OnRowDoubleClicked(1); // the main window is held by the question: nothing more starts
    Answer(false);
    EXPECT_EQ(f.State.FileName, "A.CUT");
    p.OnRowDoubleClicked(1);
    Answer(true);
    EXPECT_EQ(f.State.FileName + " " + New(1), "B.CUT Alfa");
    // The window stays, read again for the file now open.
    ASSERT_EQ(f.Tools.Project.get(), &p);
    EXPECT_EQ(Rows()[1].substr(0, 7), "B.CUT* ");
    // A file of codes alone has nothing to translate, but opens.
    p.OnRowDoubleClicked(4);
    EXPECT_EQ(f.State.FileName + " " + Rows()[4].substr(0, 7), "E.CUT E.CUT* ");
    p.btnClose.Click();
    EXPECT_EQ(f.Tools.Project, nullptr);
    EXPECT_EQ(f.Focus.Current(), &f.NewMessageBox);
}

// A credits file: directives and the end line are locked, the rest is text.
TEST_F(RawEditor, LockedLinesAreShownButStayAndTheNoteSaysWhyAMessageIsInvalid) {
    const std::string credits = ".c\r\nA game by\r\n  Steve\r\nEND";
    Open(Put("CREDIT9.CRD", credits));
    const auto note = [this] {
        return f.MessageNoteLabel.Caption() +
               (f.MessageNoteLabel.ForeColor == kRed ? " (red)" : "");
    };

    Go(1);
    EXPECT_TRUE(f.NewMessageBox.Locked);
    EXPECT_EQ(note(), "Locked: this line is not text, and it stays as in the original.");
    const int serial = f.Notice.Serial;
    Type("x");
    f.btnClearMessage.Click();
    EXPECT_EQ(New(1) + "|" + f.NewMessageBox.Text(), ".c|.c");
    EXPECT_TRUE(f.Notice.Serial > serial && f.Notice.Text.find("locked") != std::string::npos);

    Go(2);
    EXPECT_FALSE(f.NewMessageBox.Locked);
    EXPECT_EQ(note(), "");
    Type(".Un juego de"); // the credits would read it as a directive
    EXPECT_EQ(note(), "Invalid: it would start with \".\", which the credits read as a "
                      "directive (red)");
    Type("Un *0juego de"); // the rules of every kind hold too
    EXPECT_EQ(note(), "Invalid: it has 1 * where the original has 0 (red)");
    Type("Un juego de");
    EXPECT_EQ(note(), "");
    Type(3, "  Esteban");

    Create(CutDir() + "NEW.CRD"); // the words name the kind of file
    EXPECT_EQ(platform.fileDialogs.back().title,
              "Create new Flight of the Amazon Queen credits file (.CRD)");
    EXPECT_EQ(LastMessage(), "CRD file is created!");
    EXPECT_EQ(ReadBytes(CutDir() + "NEW.CRD"), ".c\r\nUn juego de\r\n  Esteban\r\nEND");
}

// A dialogue file: its "none" lines are no messages, and a Joe line's note shows the part the
// choice menu offers, from the new message as it is typed.
TEST_F(RawEditor, ADialogueIsEditedWithItsMenuPartInTheNoteAndWrittenLaidOut) {
    test::DogImage image;
    Open(Put("BOB.DOG", test::Dog(image)));
    EXPECT_EQ(f.OriginalCountLabel.Caption(), "5");
    Go(2);
    EXPECT_EQ(f.MessageNoteLabel.Caption(), "In the choice menu: Who are you?");
    Type("\xbfQui\xe9n eres t\xfa, forastero?*03");
    EXPECT_EQ(f.MessageNoteLabel.Caption(),
              "In the choice menu: \xbfQui\xe9n eres t\xfa, forastero?");
    // Beside it, the menu's line and the spoken one as the game shows them.
    EXPECT_EQ(f.PlayerViewBox.Text(), "In the menu:\r\n\xbfQui\xe9n eres t\xfa, forastero?\r\n"
                                      "Then said:\r\n\xbfQui\xe9n eres t\xfa, forastero?");
    for (int message : {1, 3, 4, 5})
        Go(message), f.btnCopyOriginalMessage.Click();

    Create(CutDir() + "NEW.DOG");
    EXPECT_EQ(LastMessage(), "DOG file is created!");
    image.joe[1].second = "\xbfQui\xe9n eres t\xfa, forastero?*03";
    EXPECT_EQ(ReadBytes(CutDir() + "NEW.DOG"), test::Dog(image));
}

TEST_F(RawEditor, TheGamesViewFollowsTheNewMessageAndCountsWhatTheGameCannotShow) {
    std::string nine;
    for (int line = 0; line < 8; ++line)
        nine += "Twenty bytes of text ";
    nine += "and the end";
    Open(Put("C12.CUT", CutBytes({"Hi*WT*01Fine", "Short one"})));
    // The original while nothing is typed: the piece before *WT is heard, not shown, and a
    // piece ending in a letter gets the game's full stop.
    EXPECT_EQ(f.PlayerViewBox.Text(), "Fine.\r\n(not shown: Hi)");
    EXPECT_EQ(f.PlayerViewLabel.Caption() + "|" + std::to_string(f.PlayerViewLabel.ForeColor),
              "In the game|" + std::to_string(kDarkBlue));
    // A line ends at the first space after 20 bytes; nine lines are one too many.
    Type(nine);
    EXPECT_EQ(std::count(f.PlayerViewBox.Text().begin(), f.PlayerViewBox.Text().end(), '\n'), 9);
    EXPECT_TRUE(f.PlayerViewBox.Text().starts_with("Twenty bytes of text \r\nTwenty"))
        << f.PlayerViewBox.Text();
    EXPECT_NE(f.PlayerViewBox.Text().find("\r\nWarning: 9 lines"), std::string::npos);
    EXPECT_EQ(f.PlayerViewLabel.Caption() + "|" + std::to_string(f.PlayerViewLabel.ForeColor),
              "In the game: 1 layout warning|" + std::to_string(kDarkRed));
    // The view is the shown message's, and never part of the work.
    Go(2);
    EXPECT_EQ(f.PlayerViewBox.Text() + "|" + f.PlayerViewLabel.Caption(), "Short one.|In the game");
    Go(1);
    EXPECT_EQ(f.NewMessageBox.Text(), nine);
}

} // namespace
} // namespace quillon::testing
