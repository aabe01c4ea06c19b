// Working through a whole file: every loaded message checked at once, F7 and F8 to what is
// left, undo and redo of the new message, and the find window.
#include "EditorHarness.h"

#include "project/FolderOverview.h"

#include <functional>

namespace quillon::testing {
namespace {

// Eight messages; the work file breaks message 6 and leaves 3 and 8 untranslated.
struct WholeFile : RawEditor {
    const std::string work = Utf8FromPath(platform.temp.path / "C12.tmf");
    WholeFile() {
        Open(Put("C12.CUT", CutBytes({"Hello*01World", "Plain", "Third", "Fourth", "Fifth",
                                      "Six*AB", "Seven", "Eight"})));
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

TEST_F(WholeFile, ALoadedFileIsCheckedWholeAndF7AndF8GoToWhatIsLeftRoundTheEndOnce) {
    EXPECT_EQ(f.MessageSlider.Value, 1);
    EXPECT_EQ(Bad(6), "1");
    EXPECT_EQ(Counters(), "1 [6] red | 2 [3, 8] red | - -");
    // The folder overview (and with it `quillon-cli status` and `check`) counts the same pair.
    WorkFile loaded{WorkSource::WorkFolder, work, ParseTmf(ReadBytes(work))};
    const MessageTally tally = OverviewOf(CutDir() + "C12.CUT", loaded).counts;
    EXPECT_EQ(std::to_string(tally.invalid) + " [" + tally.invalidList + "] " +
                  std::to_string(tally.blank) + " [" + tally.blankList + "] " +
                  std::to_string(tally.translated) + " of " + std::to_string(tally.withText),
              "1 [6] 2 [3, 8] 5 of 8");

    int serial = f.Notice.Serial;
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { Press(Key::F7); }, "6 ()"},
        {[&] { Press(Key::F7, Modifier::Shift); }, "6 (This is the only invalid message.)"},
        {[&] { Press(Key::F8, Modifier::Shift); }, "3 ()"},
        {[&] { Press(Key::F8, Modifier::Shift); }, "8 (Went round to the last message.)"},
        {[&] { Press(Key::F8); }, "3 (Went round to the first message.)"},
        {[&] { Press(Key::F8, Modifier::Ctrl); }, "8 ()"}, // Ctrl does not matter
        {[&] { Type("Ocho"), Press(Key::F8); }, "3 (Went round to the first message.)"},
        {[&] { Press(Key::F8); }, "3 (This is the only blank message.)"},
        {[&] { Type("Tres"), Press(Key::F8); }, "3 (No blank messages.)"},
        {[&] { Press(Key::F7); }, "6 ()"},
        {[&] { Type("Seis*AB"), Press(Key::F7); }, "6 (No invalid messages.)"},
    };
    for (const auto& [step, expected] : steps) {
        f.Notice.Text.clear();
        step();
        EXPECT_EQ(Where(), expected);
        EXPECT_EQ(f.Focus.Current(), &f.NewMessageBox) << expected;
    }
    EXPECT_EQ(f.Notice.Serial, serial + 7) << "every notice counts, a repeated one too";
    EXPECT_EQ(Counters(), "0 [] blue | 0 [] blue | save create");
    int key = KeyCodeOf(Key::F7), shift = 0;
    f.OnOriginalBoxKeyDown(key, shift); // from the original's box too, and swallowed
    EXPECT_EQ(key + shift, 0);
}

TEST_F(WholeFile, UndoAndRedoStepThroughTypedWordsAndCommandsPerMessage) {
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
    EXPECT_EQ(Counters(), "2 [4, 6] red | 1 [8] red | - -");
    Go(4);
    undo();
    EXPECT_EQ(New(4), "Cuarto");
    undo();
    EXPECT_EQ(New(4) + "|" + f.InvalidCountLabel.Caption(), "|1");
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

    // Shown with its codes hidden, a loaded message gets its original's codes back; the
    // translator is told, since the invalid counter drops without a key pressed.
    f.CheckHideControlCharacters.SetValue(1);
    const std::string work = Utf8FromPath(e.platform.temp.path / "C12.tmf");
    WriteBytes(work, TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n002 Segundo*0\r\n"));
    e.Load(work);
    EXPECT_EQ(e.Counters(), "1 [2] red | 0 [] blue | - create");
    e.Press(Key::F7);
    EXPECT_EQ(e.New(2) + " " + f.InvalidCountLabel.Caption(), "Segundo 0");
    EXPECT_EQ(f.Notice.Text, "Message 2: its control codes were put back as in the original.");
}

} // namespace
} // namespace quillon::testing
