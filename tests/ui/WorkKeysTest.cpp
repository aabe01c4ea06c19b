// The keys and windows for working through a whole file and folder, driven with real Qt key
// and mouse events: F7/F8, undo and redo, the find window, the project window.
#include "UiHarness.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

namespace quillon::ui::testing {
namespace {

class WorkKeys : public SessionTest {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        // Raw mode: the work file's codes are shown as they are.
        QSettingsStore().Write("Hide control characters", "0");
        s->Open(s->Put(QStringLiteral("C12.CUT"),
                       {"Hello*01World", "Plain", "Third", "Fourth", "Fifth*AB", "Sixth"}));
    }
    // A work file that breaks message 5 and leaves 3 and 6 blank, loaded with its button.
    void LoadWork() {
        const std::string path = home.path().toStdString() + "/C12.tmf";
        quillon::test::WriteBytes(path,
                                  quillon::test::TmfBytes("C12.CUT", "001 Hola*01Mundo\r\n"
                                                                     "002 Llano\r\n004 Cuarto\r\n"
                                                                     "005 Quinto*A\r\n"));
        s->platform->fileAnswers.push_back(path);
        s->Click(f().btnLoadWorkFile);
    }
    QString Number() { return s->Text(f().OriginalNumberLabel); }
    QString Notice() {
        QLabel* notice = s->ui->NoticeLabel();
        return notice->isVisible() ? notice->text() : QString();
    }
};

TEST_F(WorkKeys, UndoRedoJumpsAndFindFromTheirKeysInEitherBox) {
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

    // F7 and F8 go to what the loaded work left, and say so when nothing is.
    LoadWork();
    EXPECT_EQ(s->Text(f().InvalidCountLabel), QStringLiteral("1")); // counted before it is seen
    EXPECT_EQ(Number(), QStringLiteral("1"));
    s->Key(s->GR(), Qt::Key_F7);
    EXPECT_EQ(Number() + s->GR()->RawText(), QStringLiteral("5Quinto*A"));
    EXPECT_EQ(Notice(), QString());
    s->Key(s->GR(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(Notice(), QStringLiteral("This is the only invalid message."));
    EXPECT_EQ(s->ui->MainView()->focusWidget(), s->GR());
    s->Key(s->GB(), Qt::Key_F8);
    EXPECT_EQ(Number() + Notice(), QStringLiteral("6This is the only invalid message."))
        << "the notice stays for a while";
    s->Key(s->GB(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Number(), QStringLiteral("3"));
    s->Key(s->GR(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(Number() + Notice(), QStringLiteral("6Went round to the last message."));
    // The notice lies over the new-message box and moves nothing of the window.
    EXPECT_TRUE(s->GR()->geometry().contains(s->ui->NoticeLabel()->geometry().topLeft()));
    EXPECT_EQ(s->GR()->geometry(), QRect(193, 185, 632, 138));
    QTest::qWait(NoticeMirror::kShownMilliseconds + 300);
    EXPECT_EQ(Notice(), QString());

    // Ctrl+F finds what the boxes show; Esc gives the keyboard back.
    s->Key(s->GR(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(s->ui->FindView() && s->ui->FindView()->isVisible());
    auto* field = qobject_cast<QLineEdit*>(s->W(f().Find->TextFind));
    ASSERT_TRUE(field && s->ui->FindView()->focusWidget() == field);
    s->Type(field, QStringLiteral("uint"));
    EXPECT_EQ(f().Find->TextFind.Text(), "uint");
    s->Key(field, Qt::Key_Return);
    EXPECT_EQ(Number(), QStringLiteral("5"));
    s->Key(field, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Number() + s->Text(f().Find->LabelStatus),
              QStringLiteral("5Only this message holds it."));
    s->Click(f().Find->OptionOriginal);
    s->Key(field, Qt::Key_Return);
    EXPECT_EQ(Number() + s->Text(f().Find->LabelStatus), QStringLiteral("5Not found."));
    s->Key(field, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!f().Find && !s->ui->FindView() && s->ui->MainView()->focusWidget() == s->GR());
}

TEST_F(WorkKeys, TheProjectWindowOpensFromF9AndTheFileFramesMenuAndOpensAFile) {
    s->Put(QStringLiteral("C13.CUT"), {"Other", "Again"});
    s->Key(s->GR(), Qt::Key_F9);
    ASSERT_NE(s->ui->ProjectView(), nullptr);
    auto* list = s->ui->ProjectView()->findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0) + " " + list->topLevelItem(1)->text(1) + " " +
                  list->topLevelItem(1)->text(3),
              QStringLiteral("C13.CUT 2 2"));
    s->Click(f().Project->btnClose);
    EXPECT_EQ(s->ui->ProjectView(), nullptr);
    // Esc closes it too, as it does the find window.
    s->Key(s->GR(), Qt::Key_F9);
    ASSERT_NE(s->ui->ProjectView(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(s->ui->ProjectView()));
    s->Key(list = s->ui->ProjectView()->findChild<QTreeWidget*>(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!f().Project && !s->ui->ProjectView());

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

    // A double-click opens the file through the close question.
    QTreeWidgetItem* other = list->topLevelItem(1);
    const QPoint at = list->visualItemRect(other).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // as a mouse sends it
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    ASSERT_NE(f().Confirm, nullptr);
    EXPECT_EQ(s->Text(f().Confirm->QuestionLabel),
              QStringLiteral("Are you sure you want to close file C12.CUT?"));
    s->Click(f().Confirm->btnYes);
    QApplication::processEvents();
    EXPECT_EQ(s->Text(f().OriginalFileNameLabel), QStringLiteral("C13.CUT"));
    EXPECT_TRUE(list->topLevelItem(1)->font(0).bold());
}

} // namespace
} // namespace quillon::ui::testing
