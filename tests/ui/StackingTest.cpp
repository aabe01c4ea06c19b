// The editor's windows under a real X server and window manager (stacking.sh starts Xvfb and
// openbox): Help, the question, About, the font chooser, the colour chooser, the find window
// and the project window with its folder chooser stay above the main window whatever the user
// clicks, with and without "Always on top"; the find window opens where it hides nothing. The
// main window maximises from its title bar, as from its maximise button.
#include "UiHarness.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

namespace quillon::ui {
namespace {

QString Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) process.kill();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The X window a widget is shown in now: new flags can give it a new one, which the widget's
// own winId() does not follow.
QString NativeId(const QWidget* widget) {
    return QString::number(widget->windowHandle() ? widget->windowHandle()->winId() : 0);
}

// "above" or "below": where window stands against main in the window manager's stacking
// order (bottom to top), "unmanaged" when either is not in it.
std::string Against(const QWidget* window, const QWidget* main) {
    QStringList ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(
             Output(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")}));
         it.hasNext();)
        ids << QString::number(it.next().captured().toULongLong(nullptr, 16));
    const qsizetype at = ids.indexOf(NativeId(window)), mainAt = ids.indexOf(NativeId(main));
    if (at < 0 || mainAt < 0) return "unmanaged";
    return at > mainAt ? "above" : "below";
}

class Stacking : public testing::SessionTest {
protected:
    EditorUi* ui = nullptr;
    MainWindow* form = nullptr;

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run stacking.sh";
        SessionTest::SetUp();
        s->platform->realChoosers = true;
        ui = s->ui.get(), form = s->form.get();
        s->Open(s->Put(QStringLiteral("C12.CUT"), {"Hello there", "Second one"}));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ui->MainView()));
    }

    // Where window stands once it is up, then after a click on the main window's own area,
    // as a user trying to get back to it makes (the window manager raises what is clicked).
    std::string AfterClick(QWidget* window) {
        if (!QTest::qWaitForWindowExposed(window)) return "not shown";
        QTest::qWait(300);
        const std::string before = Against(window, ui->MainView());
        Output(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QStringLiteral("--window"), NativeId(ui->MainView()),
                QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("click"),
                QStringLiteral("1")});
        QTest::qWait(500);
        return before + " " + Against(window, ui->MainView());
    }
    // The same for a chooser that runs its own loop: checked, then closed, from inside it.
    // With an owner other than the main window, also where the owner stands against the main
    // window and the chooser against the owner, once the main window was clicked.
    std::string AfterClickInDialog(const std::function<void()>& open, QWidget* owner = nullptr) {
        std::string seen = "no dialog";
        QTimer::singleShot(100, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                seen = AfterClick(dialog);
                if (owner)
                    seen += std::string(" / owned by it: ") +
                            (dialog->parentWidget() == owner ? "yes" : "no") + ", " +
                            Against(owner, ui->MainView()) + ", " + Against(dialog, owner);
                dialog->close();
            }
        });
        ui->Run(open);
        return seen;
    }
};

TEST_F(Stacking, TheWindowsThatHoldTheMainWindowStayAboveItAndFindHidesNothing) {
    // Help, which holds nothing, stays above the main window all the same.
    ui->Run([&] { form->OnHelpClicked(); });
    EXPECT_EQ(AfterClick(ui->HelpView()), "above above");
    ui->Run([&] { form->Help->OnOkClicked(); });

    for (const bool onTop : {false, true}) {
        SCOPED_TRACE(onTop ? "always on top" : "normal");
        if ((form->CheckAlwaysOnTop.Value() == 1) != onTop)
            ui->Run([&] { form->CheckAlwaysOnTop.UserClick(); });
        s->TypeAtRisk();
        ui->Run([&] { form->OnCloseFileClicked(); }); // "Confirm" is on: the question opens
        ASSERT_NE(ui->QuestionView(), nullptr);
        EXPECT_EQ(AfterClick(ui->QuestionView()), "above above");
        ui->Run([&] { form->Confirm->OnNoClicked(); });
        ui->Run([&] { form->OnAboutClicked(); });
        ASSERT_NE(ui->AboutView(), nullptr);
        EXPECT_EQ(AfterClick(ui->AboutView()), "above above");
        ui->Run([&] { form->About->OnOkClicked(); });
        EXPECT_EQ(AfterClickInDialog([&] { form->Settings.OnNewFontPageClicked(); }),
                  "above above");
        EXPECT_EQ(AfterClickInDialog([&] { form->Settings.OnNewBackgroundClicked(); }),
                  "above above");
    }

    // The find window opens beside the message boxes, not over them, and stays above the main
    // window.
    ui->Run([&] { form->Tools.ShowFindWindow(); });
    QWidget* find = ui->FindView();
    ASSERT_TRUE(find && QTest::qWaitForWindowExposed(find));
    QTest::qWait(300); // the window manager has framed it
    const QRect screen = ui->MainView()->screen()->availableGeometry();
    EXPECT_FALSE(find->frameGeometry().intersects(ui->MainView()->frameGeometry()));
    EXPECT_TRUE(screen.contains(find->frameGeometry())) << find->frameGeometry().y();
    EXPECT_EQ(AfterClick(find), "above above");

    // The project window, and its folder chooser, which belongs to it: neither falls behind.
    ui->Run([&] { form->Tools.ShowProjectWindow(); });
    ASSERT_NE(ui->ProjectView(), nullptr);
    EXPECT_EQ(AfterClick(ui->ProjectView()), "above above");
    // The chooser opens from a click on the window's own button, as the user opens it.
    QWidget* chooseFolder = ui->WidgetOf(form->Tools.Project->btnWorkFolder);
    ASSERT_NE(chooseFolder, nullptr);
    auto click = [&] {
        QTest::mouseClick(chooseFolder, Qt::LeftButton, {}, chooseFolder->rect().center());
    };
    EXPECT_EQ(AfterClickInDialog(click, ui->ProjectView()),
              "above above / owned by it: yes, above, above");
}

TEST_F(Stacking, TheWindowManagerMaximisesTheMainWindowAndItsBoxesGrowWithIt) {
    TopWindow* main = ui->MainView();
    QTest::qWait(300); // the window manager has framed it
    const QString actions =
        Output(QStringLiteral("xprop"),
               {QStringLiteral("-id"), NativeId(main), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
    EXPECT_TRUE(actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ")) &&
                actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE")))
        << actions.toStdString();

    // A size of the user's own, which the headless window keeps.
    const QRect designedBox = s->GR()->geometry();
    const QSize normal = main->minimumSize() + QSize(120, 60);
    main->resize(normal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->size() == normal; }, 5000));
    // The new box takes 65% of the added width; the game's view beside it the rest.
    EXPECT_EQ(s->GR()->geometry(), designedBox.adjusted(0, 30, 78, 60));
    EXPECT_EQ(form->Window.UserWidth, TopWindow::OuterWidth(normal.width()));

    // A double-click on the title bar, which openbox takes as its maximise button.
    auto doubleClickTitle = [&] {
        const QRect frame = main->frameGeometry();
        const int titleY = (frame.top() + main->geometry().top()) / 2;
        Output(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(frame.center().x()),
                QString::number(titleY), QStringLiteral("click"), QStringLiteral("--repeat"),
                QStringLiteral("2"), QStringLiteral("--delay"), QStringLiteral("80"),
                QStringLiteral("1")});
    };
    doubleClickTitle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->isMaximized(); }, 5000));
    QTest::qWait(300);
    EXPECT_GT(main->width(), main->screen()->availableGeometry().width() - 20);
    // Both boxes take the added width, and the new box keeps its distance to the bottom.
    const QRect grown = s->GR()->geometry();
    EXPECT_NEAR(grown.width() - designedBox.width(), 0.65 * (main->width() - main->minimumWidth()),
                1);
    EXPECT_EQ(main->height() - grown.bottom(), main->minimumHeight() - designedBox.bottom());
    EXPECT_TRUE(form->Window.Maximized);
    EXPECT_EQ(form->Window.UserWidth, TopWindow::OuterWidth(normal.width()));

    // Restored, it comes back to the user's size.
    doubleClickTitle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main->isMaximized(); }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(main->size(), normal);
    EXPECT_FALSE(form->Window.Maximized);
}

} // namespace
} // namespace quillon::ui
