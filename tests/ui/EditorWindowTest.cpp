// The Qt editor driven as a user drives it: real key and mouse events into the real windows,
// checked against the headless editor they mirror and against the files left on disk; and the
// keys and windows for working through a whole file and folder: F7/F8, undo and redo, the find
// window, the project window.
#include "UiHarness.h"

#include "ui/CodePages.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

#include <map>

namespace quillon::ui::testing {
namespace {

// Every label, several buttons, the check boxes, the slider and both message boxes, written
// out as the widgets show them and as the headless controls hold them: the two must match.
void ExpectMirrored(const Session& s) {
    MainWindow& f = *s.form;
    std::string shown, held;
    auto add = [&](const Control& c, const QString& widget, bool widgetOn, std::string value,
                   bool on) {
        shown += c.Name + "=" + widget.toStdString() + (widgetOn ? "\n" : " (off)\n");
        held += c.Name + "=" + value + (on ? "\n" : " (off)\n");
    };
    auto label = [&](const Label& l) {
        add(l, s.Text(l), !s.W(l)->isHidden(), l.Caption(), l.Visible);
    };
    for (const Label* l : f.ValueLabels())
        label(*l);
    for (const Label* l : f.NewFontPage.All())
        label(*l);
    for (const auto& fixed : f.FixedLabels)
        label(*fixed);
    for (const CommandButton* b :
         {&f.btnNextMessage, &f.btnWriteFile, &f.btnSaveNewMessages, &f.btnExit})
        add(*b, s.W(*b)->toolTip(), s.W(*b)->isEnabled(), b->ToolTipText, b->Enabled);
    for (const CheckBox* c :
         {&f.CheckConfirmCloseOrReplace, &f.CheckAlwaysOnTop, &f.CheckHideControlCharacters})
        add(*c, {}, qobject_cast<QCheckBox*>(s.W(*c))->isChecked(), {}, c->Value() == 1);
    auto* slider = qobject_cast<QSlider*>(s.W(f.MessageSlider));
    add(f.MessageSlider, QStringLiteral("%1 of %2").arg(slider->value()).arg(slider->maximum()),
        true, std::to_string(f.MessageSlider.Value) + " of " + std::to_string(f.MessageSlider.Max),
        true);
    for (auto [box, style] : {std::pair{&f.OriginalMessageBox, &f.State.OriginalStyle},
                              std::pair{&f.NewMessageBox, &f.State.NewStyle}}) {
        const CodePage& page = *CodePageForScript(style->Script & 0xFF).page;
        add(*box, s.ui->BoxOf(*box)->RawText(), true, BytesToText(box->Text(), page).toStdString(),
            true);
    }
    EXPECT_EQ(shown, held);
}

class EditorWindow : public SessionTest {
protected:
    // Three messages: one with control codes, one plain, one of one character (skipped).
    void OpenSample() {
        s->Open(
            s->Put(QStringLiteral("C12.CUT"), {"*01Hello*02World*03", "Second one", "x", "Third"}));
    }
    // The windows on screen, each marked when it takes no input.
    QString Windows() {
        QString out;
        for (auto [name, window] : {std::pair{"main", s->ui->MainView()},
                                    {"question", s->ui->QuestionView()},
                                    {"about", s->ui->AboutView()},
                                    {"help", s->ui->HelpView()}})
            if (window && window->isVisible())
                out += QString::fromLatin1(name) + (window->isEnabled() ? " " : "(off) ");
        return out;
    }
    // The message's number and both boxes, as one line.
    QString Shown() {
        return s->Text(f().OriginalNumberLabel) + "|" + s->GB()->RawText() + "|" +
               s->GR()->RawText();
    }
};

TEST_F(EditorWindow, OpeningTypingTheQuestionAboutHelpAndTheSettingsOfTheNextRun) {
    // A file without text is refused, and the dialog that follows cancelled: no window.
    Session empty(home.path());
    empty.Open(empty.Put(QStringLiteral("EMPTY.CUT"), {"", "x"}));
    EXPECT_FALSE(empty.ui->MainView()->isVisible());

    OpenSample();
    TopWindow* window = s->ui->MainView();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QUILLON cutscene editor v.1.1 - Velunor"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint); // removed once a file is open
    EXPECT_EQ(window->width(), 1018);
    EXPECT_EQ(window->focusWidget(), s->GR());
    // The frames of the settings pages lie on one another once a file is open.
    EXPECT_EQ(s->W(f().FrameSettingsNew)->geometry().topLeft(),
              s->W(f().FrameSettingsGeneral)->geometry().topLeft());

    // Hidden mode is the first-run setting: typed line breaks stand for the inner codes.
    s->Type(s->GR(), QStringLiteral("Hi\nEarth"));
    EXPECT_EQ(f().Doc.At(1).edited, "*01Hi*02Earth*03");
    EXPECT_EQ(s->GR()->textCursor().position(), 8); // the caret stays where typing left it
    ExpectMirrored(*s);

    // Raw mode: both boxes show the codes; a "*" at the end makes the message invalid.
    s->Click(f().CheckHideControlCharacters);
    EXPECT_EQ(Shown(), QStringLiteral("1|*01Hello*02World*03|*01Hi*02Earth*03"));
    s->GR()->moveCursor(QTextCursor::End);
    s->Type(s->GR(), QStringLiteral("*"));
    EXPECT_EQ(f().Doc.At(1).edited, "*01Hi*02Earth*03*");
    EXPECT_TRUE(s->GR()->palette().color(QPalette::Text) == QColor(255, 0, 0) &&
                s->W(f().InvalidCountLabel)->palette().color(QPalette::WindowText) ==
                    QColor(255, 0, 0));
    ExpectMirrored(*s); // the counter's "1" among the rest
    s->Key(s->GR(), Qt::Key_Backspace);
    EXPECT_EQ(f().Doc.At(1).edited, "*01Hi*02Earth*03");
    EXPECT_EQ(s->Text(f().InvalidCountLabel), QStringLiteral("0"));

    // The question and About hold the main window; the settings reach the next run. Closing
    // asks only when typed work would be lost.
    s->TypeAtRisk();
    s->Click(f().btnCloseFile);
    ASSERT_EQ(Windows(), QStringLiteral("main(off) question "));
    EXPECT_EQ(s->ui->QuestionView()->windowTitle() + s->Text(f().Confirm->QuestionLabel),
              QStringLiteral(" ConfirmationAre you sure you want to close file C12.CUT?"));
    EXPECT_FALSE(s->ui->QuestionView()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(s->ui->QuestionView()->focusWidget(), s->W(f().Confirm->btnNo));
    s->Click(f().Confirm->btnNo);
    EXPECT_EQ(Windows(), QStringLiteral("main ")); // nothing was closed

    s->Click(f().btnAbout);
    ASSERT_EQ(Windows(), QStringLiteral("main(off) about "));
    EXPECT_EQ(s->ui->AboutView()->windowTitle() + s->Text(f().About->VersionLabel),
              QStringLiteral(" About Quillonv.1.1"));
    EXPECT_FALSE(s->ui->AboutView()->windowFlags() & Qt::WindowCloseButtonHint);
    // A link looks like one, and opens, only when it leads somewhere; the maker's two are
    // plain names.
    QString looks;
    for (const Label& link : f().About->LabelLink) {
        QWidget* widget = s->W(link);
        looks += widget->font().underline() && widget->cursor().shape() == Qt::PointingHandCursor
                     ? QStringLiteral("link ")
                     : QStringLiteral("text ");
        s->Click(link);
    }
    EXPECT_EQ(looks, QStringLiteral("link link link link text text link "));
    ASSERT_EQ(s->platform->urls.size(), 5u);
    EXPECT_EQ(s->platform->urls[3], "https://en.wikipedia.org/wiki/Flight_of_the_Amazon_Queen");
    // A browser that cannot be started is said so, and About stays.
    s->platform->browserStarts = false;
    s->Click(f().About->LabelLink[2]);
    EXPECT_EQ(s->platform->LastMessage(),
              "No web browser could be started to open https://www.scummvm.org/.");
    EXPECT_EQ(Windows(), QStringLiteral("main(off) about "));
    s->Click(f().About->btnOk);
    s->Click(f().btnHelp);
    EXPECT_EQ(Windows(), QStringLiteral("main help ")); // Help does not block
    EXPECT_EQ(f().Help->Rows[9].key, "Pause/Break");
    s->ui->HelpView()->close(); // its close command is the same as OK
    QApplication::processEvents();
    EXPECT_EQ(Windows(), QStringLiteral("main "));

    // Always on top, then Exit and Yes: the settings are saved, the program ends, and the
    // next run starts as this one was left.
    ASSERT_FALSE(s->ui->MainView()->windowFlags() & Qt::WindowStaysOnTopHint);
    s->Click(f().CheckAlwaysOnTop);
    EXPECT_TRUE(s->ui->MainView()->windowFlags() & Qt::WindowStaysOnTopHint);
    s->Click(f().btnExit);
    EXPECT_EQ(s->Text(f().Confirm->QuestionLabel),
              QStringLiteral("Are you sure you want to exit Quillon?"));
    s->Click(f().Confirm->btnYes);
    EXPECT_TRUE(s->platform->QuitRequested() && Windows().isEmpty());
    s.reset();
    Session next(home.path());
    next.Open(next.CutPath(QStringLiteral("C12.CUT")));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(next.W(next.form->CheckAlwaysOnTop))->isChecked() &&
                (next.ui->MainView()->windowFlags() & Qt::WindowStaysOnTopHint));
}

TEST_F(EditorWindow, TheWindowGrowsFromItsDesignedSizeWithItsBoxesAndComesBackAsItWasLeft) {
    OpenSample();
    TopWindow* window = s->ui->MainView();
    // The designed size is the smallest, not the only one.
    const QSize designed = window->size();
    EXPECT_EQ(window->minimumSize(), designed);
    EXPECT_GT(window->maximumWidth(), designed.width());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);

    // How far each part moved and grew since the window had its designed size: "dx dy dw dh".
    const Control* newCaption = nullptr;
    for (const auto& fixed : f().FixedLabels)
        if (fixed->Caption() == "New message") newCaption = fixed.get();
    ASSERT_NE(newCaption, nullptr);
    const std::pair<const char*, const Control*> parts[] = {
        {"original box", &f().OriginalMessageBox},
        {"new caption", newCaption},
        {"note", &f().MessageNoteLabel},
        {"new box", &f().NewMessageBox},
        {"view caption", &f().PlayerViewLabel},
        {"view", &f().PlayerViewBox},
        {"frame original message", &f().FrameOriginalMessage},
        {"frame settings", &f().FrameSettings},
        {"slider", &f().MessageSlider},
        {"progress", &f().ReadProgressBar},
        {"buttons", &f().FrameButtons},
        {"frame file", &f().FileFrame},
        {"frame new file", &f().NewFileFrame},
    };
    std::map<const Control*, QRect> at;
    for (const auto& [name, part] : parts)
        at[part] = s->W(*part)->geometry();
    auto moves = [&] {
        std::string out;
        for (const auto& [name, part] : parts) {
            const QRect now = s->W(*part)->geometry(), was = at[part];
            out += QStringLiteral("%1: %2 %3 %4 %5\n")
                       .arg(QLatin1String(name))
                       .arg(now.x() - was.x())
                       .arg(now.y() - was.y())
                       .arg(now.width() - was.width())
                       .arg(now.height() - was.height())
                       .toStdString();
        }
        return out;
    };

    // Both boxes take the added width (the new one sharing it with the game's view beside it)
    // and share the added height; what is right of them keeps
    // to the right edge and what is below them to the bottom.
    window->resize(designed + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(moves(), "original box: 0 0 200 50\n"
                       "new caption: 0 50 0 0\n"
                       "note: 0 50 130 0\n"
                       "new box: 0 50 130 50\n"
                       "view caption: 130 50 70 0\n"
                       "view: 130 50 70 50\n"
                       "frame original message: 200 0 0 0\n"
                       "frame settings: 200 0 0 0\n"
                       "slider: 0 100 200 0\n"
                       "progress: 0 100 200 0\n"
                       "buttons: 0 100 200 0\n"
                       "frame file: 0 0 0 0\n"
                       "frame new file: 0 0 0 0\n");
    const QRect grownBox = s->GR()->geometry();
    // The headless window holds the size the user gave it, measured as its own.
    EXPECT_EQ(f().Window.UserWidth, TopWindow::OuterWidth(designed.width() + 200));
    EXPECT_EQ(f().Window.UserHeight, TopWindow::OuterHeight(designed.height() + 100));
    window->resize(designed - QSize(300, 100));
    QApplication::processEvents();
    EXPECT_EQ(window->size(), designed);
    window->resize(designed + QSize(200, 100));
    QApplication::processEvents();

    // The next run starts as this one was left; and one left maximised starts maximised,
    // to be restored to the size it had.
    auto exitAndRunAgain = [&] {
        s->Click(f().btnExit);
        if (s->ui->QuestionView()) s->Click(f().Confirm->btnYes);
        ASSERT_TRUE(s->platform->QuitRequested());
        s.reset();
        s = std::make_unique<Session>(home.path());
        s->Open(s->CutPath(QStringLiteral("C12.CUT")));
        window = s->ui->MainView();
    };
    exitAndRunAgain();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), designed + QSize(200, 100));
    EXPECT_EQ(s->GR()->geometry(), grownBox);
    window->showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(f().Window.Maximized);
    EXPECT_EQ(f().Window.UserWidth, TopWindow::OuterWidth(designed.width() + 200));
    exitAndRunAgain();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->normalGeometry().size(), designed + QSize(200, 100));
}

TEST_F(EditorWindow, FunctionKeysButtonsAndDoubleClicksMoveEditAndRevealTheTable) {
    OpenSample();
    QWidget* gr = s->GR();
    auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) { s->Key(gr, k, m); };
    // Copy comes before clear and restore each time, so that neither passes by doing nothing.
    const std::pair<std::function<void()>, QString> steps[] = {
        {[&] { key(Qt::Key_F12); }, "2|Second one|"},
        {[&] { key(Qt::Key_F12, Qt::ShiftModifier); }, "3|Third|"},
        {[&] { s->Key(s->GB(), Qt::Key_F11); }, "2|Second one|"}, // from the original's box
        {[&] { key(Qt::Key_F10); }, "2|Second one|Second one"},
        {[&] { key(Qt::Key_Pause); }, "2|Second one|"},
        {[&] { key(Qt::Key_F10); }, "2|Second one|Second one"},
        {[&] { key(Qt::Key_Escape); }, "2|Second one|"},
        {[&] { key(Qt::Key_F5); }, "3|Third|"},
        {[&] { key(Qt::Key_F12); }, "3|Third|"}, // no going round the end
        {[&] { qobject_cast<QSlider*>(s->W(f().MessageSlider))->setValue(2); }, "2|Second one|"},
        {[&] { key(Qt::Key_F2), key(Qt::Key_F3), key(Qt::Key_F4); }, "2|Second one|"}, // one block
        {[&] { key(Qt::Key_F1); }, "1|Hello\nWorld|"},
        {[&] { key(Qt::Key_F11); }, "1|Hello\nWorld|"},
        {[&] { s->Click(f().btnNextMessage); }, "2|Second one|"},
        {[&] { s->Click(f().btnCopyOriginalMessage); }, "2|Second one|Second one"},
        {[&] { s->Click(f().btnClearMessage); }, "2|Second one|"},
        {[&] { s->Click(f().btnCopyOriginalMessage); }, "2|Second one|Second one"},
        {[&] { s->Click(f().btnRestoreMessage); }, "2|Second one|"},
        {[&] { s->Click(f().btnPreviousMessage); }, "1|Hello\nWorld|"},
    };
    // The new message's number, the table's row and the focus follow each step.
    for (const auto& [act, after] : steps) {
        act();
        EXPECT_EQ(Shown(), after);
        EXPECT_TRUE(s->ui->MainView()->focusWidget() == gr &&
                    s->Text(f().NewNumberLabel) == s->Text(f().OriginalNumberLabel) &&
                    f().TableView.SelectedRow == f().Doc.RowOfNumber(f().MessageSlider.Value))
            << after.toStdString();
    }
    ExpectMirrored(*s);
    // F10 leaves the caret after the copied text, its line break counted as one character.
    key(Qt::Key_F10);
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("Hello\nWorld"));
    EXPECT_EQ(s->GR()->textCursor().position(), 11);

    // The table appears on the eighth double-click, on the shown message's row.
    s->Key(s->GR(), Qt::Key_F5);
    QTreeView* table = s->ui->TableView();
    TopWindow* window = s->ui->MainView();
    // The strip right of the frames stays bare even when the table covers the left side.
    const QPoint surface(window->width() - 2, Px(2000));
    ASSERT_EQ(window->childAt(surface), nullptr);
    for (int i = 1; i <= 9; ++i) {
        QTest::mouseDClick(window, Qt::LeftButton, {}, surface);
        EXPECT_EQ(table->isVisibleTo(window), i == 8) << i;
    }
    EXPECT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(table->model()->headerData(5, Qt::Horizontal).toString(),
              QStringLiteral("Original message"));
    EXPECT_EQ(table->currentIndex().row(), 3); // the shown message's row
}

TEST_F(EditorWindow, EachScriptTakesItsOwnLettersAndTheFontGroupsAndColoursReachTheBoxes) {
    s->Open(s->Put(QStringLiteral("C01.CUT"), {"Hello"}));
    // The boxes hold the game's letters: "¡" and "ñ" become the bytes the game draws them with;
    // a curly apostrophe becomes ' and that is said; a letter the font lacks, and "@" (which
    // the game draws as a heart), are refused and said; a paste is fitted or refused whole;
    // the next plain edit clears the status line.
    const auto status = [&] { return s->GR()->StatusVisible() ? s->GR()->Status() : QString(); };
    s->Type(s->GR(), QStringLiteral("\u00A1a\u00F1\u2019"));
    EXPECT_EQ(s->GR()->RawText().toStdString() + "|" + f().Doc.At(1).edited, "\u00A1a\u00F1'|\xAD"
                                                                             "a\xF1'");
    EXPECT_TRUE(status().contains(QStringLiteral("\u201C\u2019\u201D (U+2019) as '")))
        << status().toStdString();
    for (const QString& lacking : {QStringLiteral("\u0416"), QStringLiteral("@")}) {
        s->Type(s->GR(), lacking);
        EXPECT_EQ(s->GR()->RawText(), QStringLiteral("\u00A1a\u00F1'"));
        EXPECT_TRUE(status().contains(DescribeCharacter(lacking)) &&
                    status().contains(QStringLiteral("game's letters (regular font)")))
            << status().toStdString();
    }
    QApplication::clipboard()->setText(QStringLiteral("\u2014\u2026"));
    s->GR()->paste();
    EXPECT_EQ(f().Doc.At(1).edited, "\xAD"
                                    "a\xF1'-...");
    EXPECT_TRUE(status().contains(QStringLiteral("(U+2014) as -, ")) &&
                status().contains(QStringLiteral("(U+2026) as ...")))
        << status().toStdString();
    QApplication::clipboard()->setText(QStringLiteral("c\u0416d"));
    s->GR()->paste();
    EXPECT_EQ(s->GR()->RawText(), QStringLiteral("\u00A1a\u00F1'-..."));
    EXPECT_TRUE(status().contains(QStringLiteral("nothing was pasted")));
    s->GR()->selectAll();
    s->Type(s->GR(), QStringLiteral("abc"));
    EXPECT_TRUE(s->GR()->RawText() == QStringLiteral("abc") && !s->GR()->StatusVisible());

    // One settings page at a time, a second click on its option changing nothing.
    auto pages = [&] {
        QString shown;
        for (const Frame* page :
             {&f().FrameSettingsGeneral, &f().FrameSettingsOriginal, &f().FrameSettingsNew})
            shown += s->W(*page)->isVisibleTo(s->ui->MainView()) ? "+" : "-";
        return shown;
    };
    s->Click(f().OptionSettingsNew);
    s->Click(f().OptionSettingsNew);
    EXPECT_EQ(pages(), QStringLiteral("--+"));
    // A script without a code page shows its text as Western, and says so.
    s->platform->fontAnswers.push_back({true, 0, {"Arial", 12, 400, false, false, false, 128}});
    s->Click(f().NewFontPage.ClickArea);
    EXPECT_TRUE(s->GR()->Status().contains(QStringLiteral("Western")) &&
                s->W(f().NewFontPage.Script)->toolTip().contains(QStringLiteral("Western")));

    // Nothing lies over the script label, so hovering it shows the script number; a click on
    // it, or anywhere else in the group, opens the font chooser.
    QWidget* script = s->W(f().NewFontPage.Script);
    QWidget* page = script->parentWidget();
    const QPoint centre = script->geometry().center();
    ASSERT_EQ(page->childAt(centre), script);
    s->platform->fontAnswers = {{true, 0, {"Arial", 14, 700, false, false, false, 161}},
                                {false, 0, {}}};
    s->Click(f().NewFontPage.Script);
    EXPECT_EQ(s->Text(f().NewFontPage.Script), QStringLiteral("Greek"));
    EXPECT_TRUE(s->GR()->font().bold() && s->GR()->font().pointSize() == 14);
    QHelpEvent hover(QEvent::ToolTip, script->rect().center(),
                     script->mapToGlobal(script->rect().center()));
    QApplication::sendEvent(page->childAt(centre), &hover);
    EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), QStringLiteral("161"));
    QToolTip::hideText();
    QWidget* area = s->W(f().NewFontPage.ClickArea);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(area->width() - 3, area->height() - 3));
    EXPECT_TRUE(s->platform->fontAnswers.empty());

    // A Greek letter typed through the Greek script is its byte in the table and the file,
    // padded to its original's odd length.
    s->Key(s->GR(), Qt::Key_Pause);
    s->Type(s->GR(), QStringLiteral("\u0393\u03B5\u03B9\u03AC"));
    EXPECT_EQ(f().Doc.At(1).edited + (s->GR()->StatusVisible() ? " (refused)" : ""),
              "\xC3\xE5\xE9\xDC");
    const QString target = s->CutPath(QStringLiteral("NEW.CUT"));
    s->platform->fileAnswers.push_back(target.toStdString());
    s->Click(f().btnWriteFile);
    EXPECT_EQ(s->platform->LastMessage(), "CUT file is created!");
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("\x05\xC3\xE5\xE9\xDC "));

    // A stored face that is not installed says what the box shows instead; an installed one
    // needs no word.
    const QString installed = QFontDatabase::families().constFirst();
    for (const QString& face : {QStringLiteral("NoSuchFont"), installed}) {
        s->ui->Run([&] { f().NewFontPage.Face.SetCaption(face.toStdString()); });
        EXPECT_EQ(s->W(f().NewFontPage.Face)->toolTip(),
                  face == installed
                      ? QString()
                      : QStringLiteral("NoSuchFont is not installed: the box shows ") +
                            QFontInfo(QFont(face)).family());
    }

    // The colour picked for the background paints the box and its swatch; a cancel nothing.
    // The settings keep the old colour until they are saved; the other box keeps its own.
    s->platform->colourAnswers = {0x123456, std::nullopt};
    s->Click(f().NewBackgroundSwatch);
    s->Click(f().NewBackgroundSwatch);
    EXPECT_TRUE(f().State.NewStyle.BackColor == 16777215 &&
                s->GB()->palette().color(QPalette::Base) == QColor(Qt::white));
    for (QColor shown : {s->GR()->palette().color(QPalette::Base),
                         s->W(f().NewBackgroundSwatch)->palette().color(QPalette::Window)})
        EXPECT_EQ(shown, QColor(0x56, 0x34, 0x12));
    // Back on the general page, the new message has the keyboard.
    s->Click(f().OptionSettingsGeneral);
    EXPECT_TRUE(pages() == QStringLiteral("+--") && s->ui->MainView()->focusWidget() == s->GR());
}

class WorkKeys : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        // Raw mode: the work file's codes are shown as they are.
        QSettingsStore().Write("Hide control characters", "0");
        s->Open(s->Put(QStringLiteral("C12.CUT"),
                       {"Hello*01World", "Plain", "Third", "Fourth", "Fifth*FL", "Sixth"}));
    }
    // A work file that breaks message 5 and leaves 3 and 6 blank, loaded with its button.
    void LoadWork() {
        const std::string path = home.path().toStdString() + "/C12.tmf";
        quillon::test::WriteBytes(path,
                                  quillon::test::TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n"
                                                                     "002 Llano\r\n004 Cuarto\r\n"
                                                                     "005 Quinto*F\r\n"));
        s->platform->fileAnswers.push_back(path);
        s->Click(f().btnLoadWorkFile);
        // Typed messages it replaces are asked about first.
        if (s->ui->QuestionView()) s->Click(f().Confirm->btnYes);
    }
    QString Number() { return s->Text(f().OriginalNumberLabel); }
    QString Notice() {
        QLabel* notice = s->ui->NoticeLabel();
        return notice->isVisible() ? notice->text() : QString();
    }
};

TEST_F(WorkKeys, UndoRedoJumpsFindAndTheProjectWindowFromTheirKeysAndMenu) {
    // Ctrl+Z and Ctrl+Y step through words and commands; the box keeps no undo of its own.
    EXPECT_FALSE(s->GR()->isUndoRedoEnabled());
    s->Type(s->GR(), QStringLiteral("Hola mundo"));
    s->Key(s->GR(), Qt::Key_F10);
    auto shown = [&] {
        return s->GR()->RawText() + "|" + QString::fromStdString(f().Doc.At(1).edited);
    };
    const std::pair<Qt::KeyboardModifiers, int> keys[] = {
        {Qt::ControlModifier, Qt::Key_Z}, {Qt::ControlModifier, Qt::Key_Z},
        {Qt::ControlModifier, Qt::Key_Y}, {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z},
        {Qt::ControlModifier, Qt::Key_Z},
    };
    QStringList seen;
    for (const auto& [modifiers, key] : keys) {
        s->Key(s->GR(), key, modifiers);
        seen << shown();
    }
    EXPECT_EQ(seen, (QStringList{"Hola mundo|Hola mundo", "Hola|Hola", "Hola mundo|Hola mundo",
                                 "Hello*01World|Hello*01World", "Hola mundo|Hola mundo"}));
    EXPECT_EQ(s->GR()->textCursor().position(), 10);
    s->Type(s->GR(), QStringLiteral("!"));
    EXPECT_EQ(shown(), QStringLiteral("Hola mundo!|Hola mundo!"));

    // F7 and F8, from either box, go to what the loaded work left, round the end once, and
    // say so when nothing is left; every notice counts, a repeated one too.
    LoadWork();
    EXPECT_EQ(s->Text(f().InvalidCountLabel) + Number(), QStringLiteral("11")); // counted at once
    const int serial = f().Notice.Serial;
    auto key = [&](QWidget* box, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return [=, this] { s->Key(box, k, m); };
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {key(s->GR(), Qt::Key_F7), "5 ()"},
        {key(s->GR(), Qt::Key_F7, Qt::ShiftModifier), "5 (This is the only invalid message.)"},
        {key(s->GB(), Qt::Key_F8), "6 ()"},
        {key(s->GB(), Qt::Key_F8, Qt::ShiftModifier), "3 ()"},
        {key(s->GR(), Qt::Key_F8, Qt::ShiftModifier), "6 (Went round to the last message.)"},
        {key(s->GR(), Qt::Key_F8), "3 (Went round to the first message.)"},
        {key(s->GR(), Qt::Key_F8, Qt::ControlModifier), "6 ()"}, // Ctrl does not matter
        {[&] { s->Type(s->GR(), QStringLiteral("Sexto")), s->Key(s->GR(), Qt::Key_F8); },
         "3 (Went round to the first message.)"},
        {key(s->GR(), Qt::Key_F8), "3 (This is the only blank message.)"},
        {[&] { s->Type(s->GR(), QStringLiteral("Tres")), s->Key(s->GR(), Qt::Key_F8); },
         "3 (No blank messages.)"},
        {key(s->GR(), Qt::Key_F7), "5 ()"},
    };
    for (const auto& [step, expected] : steps) {
        f().Notice.Text.clear();
        step();
        EXPECT_EQ(Number().toStdString() + " (" + f().Notice.Text + ")", expected);
        EXPECT_EQ(s->ui->MainView()->focusWidget(), s->GR()) << expected;
    }
    EXPECT_EQ(Notice(), QStringLiteral("No blank messages.")) << "the notice stays for a while";
    s->Key(s->GR(), Qt::Key_End), s->Type(s->GR(), QStringLiteral("L"));
    s->Key(s->GR(), Qt::Key_F7);
    EXPECT_EQ(Number() + Notice(), QStringLiteral("5No invalid messages."));
    EXPECT_TRUE(f().Notice.Serial == serial + 7 && f().btnWriteFile.Enabled);
    // The notice lies over the new-message box and moves nothing of the window.
    EXPECT_TRUE(s->GR()->geometry().contains(s->ui->NoticeLabel()->geometry().topLeft()));
    EXPECT_EQ(s->GR()->geometry(), QRect(193, 185, 412, 138));
    QTest::qWait(NoticeMirror::kShownMilliseconds + 300);
    EXPECT_EQ(Notice(), QString());

    // Ctrl+F finds what the boxes show; Esc gives the keyboard back.
    s->Key(s->GR(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(s->ui->FindView() && s->ui->FindView()->isVisible());
    auto* field = qobject_cast<QLineEdit*>(s->W(f().Tools.Find->TextFind));
    ASSERT_TRUE(field && s->ui->FindView()->focusWidget() == field);
    s->Type(field, QStringLiteral("uint"));
    s->Key(field, Qt::Key_Return);
    EXPECT_EQ(Number(), QStringLiteral("5"));
    s->Key(field, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Number() + s->Text(f().Tools.Find->LabelStatus),
              QStringLiteral("5Only this message holds it."));
    s->Click(f().Tools.Find->OptionOriginal);
    s->Key(field, Qt::Key_Return);
    EXPECT_EQ(Number() + s->Text(f().Tools.Find->LabelStatus), QStringLiteral("5Not found."));
    // Accents are ignored in the boxes' own letters when asked.
    s->Click(f().Tools.Find->OptionBoth);
    s->Key(field, Qt::Key_A, Qt::ControlModifier);
    s->Type(field, QStringLiteral("QU\u00CDNTO"));
    QString found;
    for (int ignore = 0; ignore < 2; ++ignore) {
        if (ignore) s->Click(f().Tools.Find->CheckIgnoreAccents);
        s->Key(field, Qt::Key_Return);
        found += s->Text(f().Tools.Find->LabelStatus) + QStringLiteral("|");
    }
    EXPECT_EQ(found, QStringLiteral("Not found.|Only this message holds it.|"));
    s->Key(field, Qt::Key_Escape);
    EXPECT_TRUE(!f().Tools.Find && !s->ui->FindView() &&
                s->ui->MainView()->focusWidget() == s->GR());

    // The project window opens from F9 and the File frame's menu, and opens a file.
    s->Put(QStringLiteral("C13.CUT"), {"Other", "Again"});
    s->Key(s->GR(), Qt::Key_F9);
    ASSERT_NE(s->ui->ProjectView(), nullptr);
    auto* list = s->ui->ProjectView()->findChild<QTreeWidget*>();
    ASSERT_TRUE(list && list->topLevelItemCount() == 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0) + " " + list->topLevelItem(1)->text(1) + " " +
                  list->topLevelItem(1)->text(3) + " " + list->topLevelItem(1)->text(4),
              QStringLiteral("C13.CUT 2 0 2"));
    s->Click(f().Tools.Project->btnClose);
    EXPECT_EQ(s->ui->ProjectView(), nullptr);
    // Esc closes it too, as it does the find window.
    s->Key(s->GR(), Qt::Key_F9);
    ASSERT_NE(s->ui->ProjectView(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(s->ui->ProjectView()));
    s->Key(list = s->ui->ProjectView()->findChild<QTreeWidget*>(), Qt::Key_Escape);
    EXPECT_TRUE(!f().Tools.Project && !s->ui->ProjectView());

    // The "File" frame's menu: the one entry opens the window again.
    QWidget* frame = s->W(f().FileFrame);
    QTimer::singleShot(0, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10),
                           frame->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(frame, &menu);
    ASSERT_NE(s->ui->ProjectView(), nullptr);
    list = s->ui->ProjectView()->findChild<QTreeWidget*>();

    // A double-click opens the file through the close question, when typed work is at risk.
    s->TypeAtRisk();
    QTreeWidgetItem* other = list->topLevelItem(1);
    const QPoint at = list->visualItemRect(other).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // as a mouse sends it
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_NE(f().Confirm, nullptr);
    EXPECT_EQ(s->Text(f().Confirm->QuestionLabel),
              QStringLiteral("Are you sure you want to close file C12.CUT?"));
    s->Click(f().Confirm->btnYes);
    EXPECT_EQ(s->Text(f().OriginalFileNameLabel), QStringLiteral("C13.CUT"));
    EXPECT_TRUE(list->topLevelItem(1)->font(0).bold());
}

TEST_F(WorkKeys, TheNewBoxMenuUndoesAndRedoesTypedWordsThroughTheEditorsHistory) {
    // The box's right-click menu as the mouse opens it: its entries, and whether undo and redo
    // are offered.
    auto openMenu = [&] {
        QWidget* area = s->GR()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                area->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(area, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    auto history = [](QMenu* menu) {
        std::string out;
        for (const char* name : {"edit-undo", "edit-redo"}) {
            auto* action = menu->findChild<QAction*>(QLatin1String(name));
            out += std::string(name) + (!action               ? " missing "
                                        : action->isEnabled() ? " "
                                                              : " (off) ");
        }
        return out;
    };
    auto choose = [](QMenu* menu, const char* name) {
        auto* action = menu->findChild<QAction*>(QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QApplication::processEvents();
    };
    auto shown = [&] { return (s->GR()->RawText() + "|").toStdString() + f().Doc.At(1).edited; };

    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(history(menu), "edit-undo (off) edit-redo (off) ");
    QStringList rest; // the box's own entries stay
    for (QAction* action : menu->actions())
        if (!action->isSeparator()) rest << action->objectName();
    for (const char* name : {"edit-cut", "edit-copy", "edit-paste", "select-all"})
        EXPECT_TRUE(rest.contains(QLatin1String(name))) << rest.join(' ').toStdString();
    menu->close();

    s->Type(s->GR(), QStringLiteral("Hola mundo"));
    ASSERT_NE(menu = openMenu(), nullptr);
    EXPECT_EQ(history(menu), "edit-undo edit-redo (off) ");
    choose(menu, "edit-undo");
    EXPECT_EQ(shown(), "Hola|Hola");
    ASSERT_NE(menu = openMenu(), nullptr);
    EXPECT_EQ(history(menu), "edit-undo edit-redo ");
    choose(menu, "edit-redo");
    EXPECT_EQ(shown(), "Hola mundo|Hola mundo");
    EXPECT_EQ(s->ui->MainView()->focusWidget(), s->GR());
}

} // namespace
} // namespace quillon::ui::testing
