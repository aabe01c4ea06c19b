// The Qt editor driven as a user drives it: real key and mouse events into the real windows,
// checked against the headless editor they mirror and against the files left on disk.
#include "UiHarness.h"

#include "cut/MessageTable.h"
#include "ui/CodePages.h"
#include "ui/QSettingsStore.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QProgressBar>
#include <QSlider>
#include <QTreeView>

#include <gtest/gtest.h>

namespace quillon::ui::testing {
namespace {

// Every label, button, check box and option of the main window shows its control's state.
void ExpectMirrored(const Session& s) {
    Form1& f = *s.form;
    std::vector<const Label*> labels = {
        &f.LabelOriginalFilename,   &f.LabelOriginalMessage,  &f.LabelOriginalMessages,
        &f.LabelOriginalSize,       &f.LabelOriginalTextSize, &f.LabelBadMessages,
        &f.LabelBlankMessages,      &f.LabelNewMessage,       &f.LabelNewMessages,
        &f.LabelNewTextSize,        &f.LabelNewSize,          &f.LabelTextsizeGB,
        &f.LabelCharactersNumberGB, &f.LabelControlCharsGB,   &f.LabelTextsizeGR,
        &f.LabelCharactersNumberGR, &f.LabelControlCharsGR};
    for (auto& label : f.LabelFontNew)
        labels.push_back(&label);
    for (auto& fixed : f.FixedLabels)
        labels.push_back(fixed.get());
    for (const Label* label : labels) {
        SCOPED_TRACE(label->Name);
        auto* widget = qobject_cast<QLabel*>(s.W(*label));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->text().toStdString(), label->Caption());
        EXPECT_EQ(!widget->isHidden(), label->Visible);
    }
    for (const CommandButton* button :
         {&f.btnNextMessage, &f.btnCreateNewCUT, &f.btnSaveFile[0], &f.btnExit}) {
        SCOPED_TRACE(button->Name);
        EXPECT_EQ(s.W(*button)->isEnabled(), button->Enabled);
        EXPECT_EQ(s.W(*button)->toolTip().toStdString(), button->ToolTipText);
    }
    for (const CheckBox* check :
         {&f.CheckConfirm, &f.CheckAlwaysOnTop, &f.CheckHideControlCharacters})
        EXPECT_EQ(qobject_cast<QCheckBox*>(s.W(*check))->isChecked(), check->Value() == 1)
            << check->Name;
    auto* slider = qobject_cast<QSlider*>(s.W(f.Slider1));
    EXPECT_EQ(slider->value(), f.Slider1.Value);
    EXPECT_EQ(slider->maximum(), f.Slider1.Max);
    for (const TextBox* box : {&f.TextMessageGB, &f.TextMessageGR}) {
        const Label& script = box == &f.TextMessageGB ? f.LabelFontOriginal[3] : f.LabelFontNew[3];
        const CodePage& page = *CodePageForScript(LeadingInt16(script.ToolTipText) & 0xFF).page;
        EXPECT_EQ(s.ui->BoxOf(*box)->RawText(), BytesToText(box->Text(), page)) << box->Name;
    }
}

class EditorWindow : public ::testing::Test {
protected:
    QTemporaryDir home;
    std::unique_ptr<Session> s;

    void SetUp() override {
        QSettingsStore().DeleteKey();
        s = std::make_unique<Session>(home.path());
    }
    void TearDown() override { QSettingsStore().DeleteKey(); }

    // Three messages: one with control codes, one plain, one of one character.
    void OpenSample() {
        s->Open(s->Put(QStringLiteral("C12.CUT"),
                       CutBytes({"*01Hello*02World*03", "Second one", "x", "Third"})));
    }
    Form1& f() { return *s->form; }
};

TEST_F(EditorWindow, OpeningAFileShowsWhatTheEditorHolds) {
    OpenSample();
    TopWindow* window = s->ui->MainWindow();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QUILLON cutscene editor v.1.1 - Velunor"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint); // removed once a file is open
    EXPECT_EQ(window->width(), 1018);
    EXPECT_EQ(s->Text(f().LabelOriginalFilename), QStringLiteral("C12.CUT"));
    EXPECT_EQ(s->Text(f().LabelOriginalMessages), QStringLiteral("3"));
    // Hidden mode is the first-run setting: codes at the ends vanish, inner runs break lines.
    EXPECT_EQ(s->GB()->RawText(), QStringLiteral("Hello\nWorld"));
    EXPECT_EQ(s->GR()->RawText(), QString());
    EXPECT_TRUE(s->GR()->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_EQ(window->focusWidget(), s->GR());
    ExpectMirrored(*s);
    // The frames of the settings pages lie on one another once a file is open.
    EXPECT_EQ(s->W(f().FrameSettingsNew)->geometry().topLeft(),
              s->W(f().FrameSettingsGeneral)->geometry().topLeft());
    EXPECT_FALSE(s->W(f().FrameSettingsNew)->isVisibleTo(window));
}

TEST_F(EditorWindow, EverySampleOpensAndWalksToItsLastMessage) {
    const QDir samples(QStringLiteral(QUILLON_SAMPLES));
    const QStringList names = samples.entryList({QStringLiteral("*.CUT")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFile::copy(samples.filePath(name), s->CutPath(name)));
        Session session(home.path());
        session.Open(session.CutPath(name));
        if (session.form->State.Numbering.MessageCount == 0) {
            // A file without text is refused; the dialog that follows is cancelled here.
            ASSERT_EQ(session.platform->messages.size(), 1u);
            EXPECT_EQ(session.platform->messages[0].text,
                      "There aren't any text messages in this file");
            EXPECT_TRUE(session.platform->QuitRequested());
            EXPECT_FALSE(session.ui->MainWindow()->isVisible());
            continue;
        }
        ASSERT_TRUE(session.ui->MainWindow()->isVisible());
        EXPECT_EQ(session.Text(session.form->LabelOriginalFilename), name);
        ExpectMirrored(session);
        session.Key(session.GR(), Qt::Key_F5);
        EXPECT_EQ(session.Text(session.form->LabelOriginalMessage),
                  session.Text(session.form->LabelOriginalMessages));
        ExpectMirrored(session);
    }
}

TEST_F(EditorWindow, TypingInHiddenAndRawModeReachesTheTable) {
    OpenSample();
    s->Type(s->GR(), QStringLiteral("Hi\nEarth"));
    EXPECT_EQ(f().Table.Cell(1, ColNewMessage), "*01Hi*02Earth*03");
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("Hi\nEarth"));
    EXPECT_EQ(s->GR()->textCursor().position(), 8); // the caret stays where typing left it
    EXPECT_EQ(s->Text(f().LabelCharactersNumberGR), QStringLiteral("16 bytes"));
    ExpectMirrored(*s);

    // Raw mode: both boxes show the codes; a "*" at the end makes the message invalid.
    s->Click(f().CheckHideControlCharacters);
    EXPECT_EQ(f().CheckHideControlCharacters.Value(), 0);
    EXPECT_EQ(s->GB()->RawText(), QStringLiteral("*01Hello*02World*03"));
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("*01Hi*02Earth*03"));
    s->GR()->moveCursor(QTextCursor::End);
    s->Type(s->GR(), QStringLiteral("*"));
    EXPECT_EQ(f().Table.Cell(1, ColNewMessage), "*01Hi*02Earth*03*");
    EXPECT_EQ(s->Text(f().LabelBadMessages), QStringLiteral("1"));
    EXPECT_EQ(s->GR()->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(s->W(f().LabelBadMessages)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Backspace is an edit like any other.
    s->Key(s->GR(), Qt::Key_Backspace);
    EXPECT_EQ(f().Table.Cell(1, ColNewMessage), "*01Hi*02Earth*03");
    EXPECT_EQ(s->Text(f().LabelBadMessages), QStringLiteral("0"));
    ExpectMirrored(*s);
}

TEST_F(EditorWindow, FunctionKeysAndButtonsMoveAndEditTheMessage) {
    OpenSample();
    struct Step {
        const char* what;
        std::function<void()> act;
        QString message; // "Message:" after the step
        QString original;
        QString edited;
    };
    QWidget* gr = s->GR();
    const Step steps[] = {
        {"F12", [&] { s->Key(gr, Qt::Key_F12); }, "2", "Second one", ""},
        {"Shift+F12", [&] { s->Key(gr, Qt::Key_F12, Qt::ShiftModifier); }, "3", "Third", ""},
        {"F12 at the end", [&] { s->Key(gr, Qt::Key_F12); }, "3", "Third", ""},
        {"F11 in the original box", [&] { s->Key(s->GB(), Qt::Key_F11); }, "2", "Second one", ""},
        {"F10 copies", [&] { s->Key(gr, Qt::Key_F10); }, "2", "Second one", "Second one"},
        {"Break clears", [&] { s->Key(gr, Qt::Key_Pause); }, "2", "Second one", ""},
        {"Esc restores", [&] { s->Key(gr, Qt::Key_Escape); }, "2", "Second one", ""},
        {"F5", [&] { s->Key(gr, Qt::Key_F5); }, "3", "Third", ""},
        {"F1", [&] { s->Key(gr, Qt::Key_F1); }, "1", "Hello\nWorld", ""},
        {"Next button", [&] { s->Click(f().btnNextMessage); }, "2", "Second one", ""},
        {"Copy button", [&] { s->Click(f().btnCopyOriginalMessage); }, "2", "Second one",
         "Second one"},
        {"Clear button", [&] { s->Click(f().btnClearMessage); }, "2", "Second one", ""},
        {"Restore button", [&] { s->Click(f().btnRestoreMessage); }, "2", "Second one", ""},
        {"Previous button", [&] { s->Click(f().btnPreviousMessage); }, "1", "Hello\nWorld", ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(s->Text(f().LabelOriginalMessage), step.message);
        EXPECT_EQ(s->GB()->RawText(), step.original);
        EXPECT_EQ(s->GR()->RawText(), step.edited);
        EXPECT_EQ(s->ui->MainWindow()->focusWidget(), s->GR());
        ExpectMirrored(*s);
    }
    // F10 is swallowed; Ctrl+A selects the whole new message.
    s->Key(gr, Qt::Key_F10);
    s->Key(gr, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(s->GR()->textCursor().selectedText(), QStringLiteral("Hello\u2029World"));
    // Typing replaces the selection; Escape brings back the text the message was shown with.
    s->Type(gr, QStringLiteral("Bye"));
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("Bye"));
    s->Key(gr, Qt::Key_Escape);
    EXPECT_EQ(s->GR()->RawText(), QString());
}

TEST_F(EditorWindow, SliderMovesAndTheTableAppearsOnTheEighthDoubleClick) {
    OpenSample();
    auto* slider = qobject_cast<QSlider*>(s->W(f().Slider1));
    slider->setValue(3); // as a drag or an arrow key would
    EXPECT_EQ(s->Text(f().LabelOriginalMessage), QStringLiteral("3"));
    EXPECT_EQ(s->GB()->RawText(), QStringLiteral("Third"));

    QTreeView* table = s->ui->TableView();
    TopWindow* window = s->ui->MainWindow();
    // The strip right of the frames stays bare even when the table covers the left side.
    const QPoint surface(window->width() - 2, Px(2000));
    ASSERT_EQ(window->childAt(surface), nullptr);
    for (int i = 1; i <= 9; ++i) {
        QTest::mouseDClick(window, Qt::LeftButton, {}, surface);
        EXPECT_EQ(table->isVisibleTo(window), i == 8) << i;
        if (i == 8) {
            EXPECT_EQ(table->x(), 0);
            EXPECT_EQ(table->model()->rowCount(), 4);
            EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(),
                      QStringLiteral("Original message"));
            EXPECT_EQ(table->currentIndex().row(), 3); // the shown message's row
        }
    }
}

TEST_F(EditorWindow, TheQuestionWindowDisablesTheMainWindowUntilAnswered) {
    OpenSample();
    s->Click(f().btnCloseFile);
    TopWindow* question = s->ui->ConfirmWindow();
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(question->isVisible());
    EXPECT_EQ(question->windowTitle(), QStringLiteral(" Confirmation"));
    EXPECT_FALSE(question->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(s->ui->MainWindow()->isEnabled());
    EXPECT_TRUE(question->isEnabled());
    EXPECT_EQ(question->height(), Px(1940 - 380));
    auto* label = qobject_cast<QLabel*>(s->W(f().Confirm->Label1));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Are you sure you want to close file C12.CUT?"));
    EXPECT_EQ(label->y(), Px(360));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QWidget* no = s->W(f().Confirm->btnNo);
    EXPECT_EQ(question->focusWidget(), no);

    QTest::mouseClick(no, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s->ui->ConfirmWindow(), nullptr);
    EXPECT_EQ(f().Confirm, nullptr);
    EXPECT_TRUE(s->ui->MainWindow()->isEnabled());
    EXPECT_TRUE(s->ui->MainWindow()->isVisible()); // nothing was closed

    // Exit, then Yes: the settings are saved and the program ends.
    s->Click(f().btnExit);
    ASSERT_NE(s->ui->ConfirmWindow(), nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(s->W(f().Confirm->Label1))->text(),
              QStringLiteral("Are you sure you want to exit Quillon?"));
    QTest::mouseClick(s->W(f().Confirm->btnYes), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(s->platform->QuitRequested());
    EXPECT_FALSE(s->ui->MainWindow()->isVisible());
    EXPECT_EQ(s->ui->ConfirmWindow(), nullptr);
    EXPECT_TRUE(QSettingsStore().Read("Confirm").has_value());
}

TEST_F(EditorWindow, AGreekLetterTypedThroughTheGreekScriptIsItsByteInTheTableAndTheFile) {
    s->Open(s->Put(QStringLiteral("C01.CUT"), CutBytes({"Hello"})));
    s->Click(f().OptionSettingsNew);
    EXPECT_TRUE(s->W(f().FrameSettingsNew)->isVisibleTo(s->ui->MainWindow()));
    FontChooserResult greek;
    greek.chosen = true;
    greek.font.face = "Arial";
    greek.font.pointSize = 14;
    greek.font.weight = 700;
    greek.font.charset = 161;
    s->platform->fontAnswers.push_back(greek);
    s->Click(f().LabelFontNew[4]);
    EXPECT_EQ(s->Text(f().LabelFontNew[3]), QStringLiteral("Greek"));
    EXPECT_EQ(s->W(f().LabelFontNew[3])->toolTip(), QStringLiteral("161"));
    EXPECT_TRUE(s->GR()->font().bold());
    EXPECT_EQ(s->GR()->font().pointSize(), 14);

    s->Type(s->GR(), QStringLiteral("\u0393\u03B5\u03B9\u03AC"));
    EXPECT_EQ(f().Table.Cell(1, ColNewMessage), "\xC3\xE5\xE9\xDC");
    EXPECT_EQ(s->Text(f().LabelBadMessages), QStringLiteral("0"));
    EXPECT_FALSE(s->GR()->StatusVisible());

    ASSERT_TRUE(f().btnCreateNewCUT.Enabled);
    const QString target = s->CutPath(QStringLiteral("NEW.CUT"));
    s->platform->fileAnswers.push_back(target.toStdString());
    s->Click(f().btnCreateNewCUT);
    ASSERT_FALSE(s->platform->messages.empty());
    EXPECT_EQ(s->platform->messages.back().text, "CUT file is created!");
    // The new message is padded to its original's odd length.
    EXPECT_NE(ReadFile(target).find("\x05\xC3\xE5\xE9\xDC "), std::string::npos);
}

TEST_F(EditorWindow, ACharacterTheScriptCannotHoldIsRefusedAndSaidSo) {
    OpenSample();
    s->Type(s->GR(), QStringLiteral("ab"));
    s->Type(s->GR(), QStringLiteral("\u0416"));
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("ab"));
    EXPECT_EQ(f().Table.Cell(1, ColNewMessage), "*01ab*03"); // hidden mode: the run is lost
    EXPECT_TRUE(s->GR()->StatusVisible());
    EXPECT_TRUE(s->GR()->Status().contains(QStringLiteral("U+0416")));
    EXPECT_TRUE(s->GR()->Status().contains(QStringLiteral("Windows-1252")));

    // A paste is refused whole; the next accepted edit clears the status line.
    QApplication::clipboard()->setText(QStringLiteral("c\u0416d"));
    s->GR()->paste();
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("ab"));
    s->Type(s->GR(), QStringLiteral("c"));
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("abc"));
    EXPECT_FALSE(s->GR()->StatusVisible());

    // A script without a code page shows its text as Western, and says so.
    FontChooserResult japanese;
    japanese.chosen = true;
    japanese.font.charset = 128;
    s->platform->fontAnswers.push_back(japanese);
    s->Click(f().OptionSettingsNew);
    s->Click(f().LabelFontNew[4]);
    EXPECT_TRUE(s->GR()->StatusVisible());
    EXPECT_TRUE(s->GR()->Status().contains(QStringLiteral("Western")));
    EXPECT_TRUE(s->W(f().LabelFontNew[3])->toolTip().contains(QStringLiteral("Western")));
}

TEST_F(EditorWindow, SettingsChangedInOneRunAreThereInTheNext) {
    const QString path = s->Put(QStringLiteral("C12.CUT"), CutBytes({"Hello", "World"}));
    s->Open(path);
    ASSERT_FALSE(s->ui->MainWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    s->Click(f().CheckAlwaysOnTop);
    EXPECT_TRUE(s->ui->MainWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    s->Click(f().CheckConfirm); // off: Exit leaves at once
    s->Click(f().btnExit);
    ASSERT_TRUE(s->platform->QuitRequested());
    s.reset();

    Session next(home.path());
    next.Open(path);
    EXPECT_EQ(next.form->CheckAlwaysOnTop.Value(), 1);
    EXPECT_EQ(next.form->CheckConfirm.Value(), 0);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(next.W(next.form->CheckAlwaysOnTop))->isChecked());
    EXPECT_TRUE(next.ui->MainWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(EditorWindow, AboutAndHelpOpenOverTheMainWindow) {
    OpenSample();
    s->Click(f().btnAbout);
    TopWindow* about = s->ui->AboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral(" About Quillon"));
    EXPECT_FALSE(s->ui->MainWindow()->isEnabled());
    EXPECT_EQ(qobject_cast<QLabel*>(s->W(f().About->Label4))->text(), QStringLiteral("v.1.1"));
    QTest::mouseClick(s->W(f().About->LabelLink[3]), Qt::LeftButton);
    ASSERT_EQ(s->platform->urls.size(), 1u);
    EXPECT_EQ(s->platform->urls[0], f().About->Links[3]);
    QTest::mouseClick(s->W(f().About->cmdOK), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s->ui->AboutWindow(), nullptr);
    EXPECT_TRUE(s->ui->MainWindow()->isEnabled());

    s->Click(f().btnHelp);
    TopWindow* help = s->ui->HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(s->ui->MainWindow()->isEnabled()); // Help does not block
    EXPECT_TRUE(help->windowFlags() & Qt::WindowCloseButtonHint);
    help->close(); // its close command is the same as OK
    QApplication::processEvents();
    EXPECT_EQ(s->ui->HelpWindow(), nullptr);
}

} // namespace
} // namespace quillon::ui::testing
