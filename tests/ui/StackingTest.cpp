// The editor's windows under a real X server and window manager (stacking.sh starts Xvfb and
// openbox): the question, About, the font chooser and the colour chooser stay above the main
// window whatever the user clicks, with and without "Always on top".
#include "support/CutImage.h"
#include "ui/EditorUi.h"
#include "ui/QSettingsStore.h"
#include "ui/QtPlatform.h"
#include "workflow/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace quillon::ui {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The X window a widget is shown in now: a change of flags can give it a new one, which the
// widget's own winId() does not follow.
WId NativeId(const QWidget* widget) {
    return widget->windowHandle() ? widget->windowHandle()->winId() : 0;
}

// The managed windows from bottom to top, as the window manager stacks them.
QList<WId> Stacking() {
    const QString out = Run(QStringLiteral("xprop"),
                            {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<WId> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(out); it.hasNext();)
        ids << static_cast<WId>(it.next().captured().toULongLong(nullptr, 16));
    return ids;
}

// "above", "below" or "unmanaged": where window stands against main.
std::string Against(const QWidget* window, const QWidget* main) {
    const QList<WId> ids = Stacking();
    const qsizetype at = ids.indexOf(NativeId(window)), mainAt = ids.indexOf(NativeId(main));
    if (at < 0 || mainAt < 0) return "unmanaged";
    return at > mainAt ? "above" : "below";
}

// A click on the main window's own area, as a user trying to get back to it makes; the
// window manager raises what was clicked.
void ClickMainWindow(const QWidget* main) {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(NativeId(main)),
         QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(500);
}

class Stacking : public ::testing::Test {
protected:
    QTemporaryDir home;
    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<EditorUi> ui;

    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run through stacking.sh, under an X server with a window manager";
        QSettingsStore().DeleteKey();
        qputenv("QUILLON_HOME", home.path().toUtf8());
        QDir().mkpath(home.path() + QStringLiteral("/CUT"));
        const QString path = home.path() + QStringLiteral("/CUT/C12.CUT");
        const std::string bytes = test::CutBytes({"Hello there", "Second one"});
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        platform = std::make_unique<QtPlatform>();
        form = std::make_unique<Form1>(*platform);
        ui = std::make_unique<EditorUi>(*form, *platform);
        platform->SetPresetOpenAnswer(path.toStdString());
        ui->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ui->MainWindow()));
        QTest::qWait(300);
    }
    void TearDown() override {
        ui.reset();
        form.reset();
        platform.reset();
    }

    void Do(const std::function<void()>& handler) { ui->Run(handler); }

    // Where window stands against the main window once it is up and after the main window
    // has been clicked.
    std::string AfterClick(QWidget* window) {
        if (!QTest::qWaitForWindowExposed(window)) return "not shown";
        QTest::qWait(300);
        const std::string before = Against(window, ui->MainWindow());
        ClickMainWindow(ui->MainWindow());
        return before + " " + Against(window, ui->MainWindow());
    }

    // The same for a dialog that runs its own loop: checked, then closed, from inside it.
    std::string AfterClickInDialog(const std::function<void()>& open) {
        std::string seen = "no dialog";
        QTimer::singleShot(100, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) return;
            seen = AfterClick(dialog);
            dialog->close();
        });
        Do(open);
        return seen;
    }
};

TEST_F(Stacking, TheWindowsThatHoldTheMainWindowStayAboveIt) {
    // First, that a click reaches the window manager at all: the main window comes over Help,
    // which is free to go behind it.
    Do([&] { form->btnHelp_Click(); });
    EXPECT_EQ(AfterClick(ui->HelpWindow()), "above below");
    Do([&] { form->Help->cmdOK_Click(); });

    for (const bool onTop : {false, true}) {
        SCOPED_TRACE(onTop ? "always on top" : "normal");
        if ((form->CheckAlwaysOnTop.Value() == 1) != onTop)
            Do([&] { form->CheckAlwaysOnTop.UserClick(); });

        Do([&] { form->btnCloseFile_Click(); }); // "Confirm" is on: the question opens
        ASSERT_NE(ui->ConfirmWindow(), nullptr);
        EXPECT_EQ(AfterClick(ui->ConfirmWindow()), "above above");
        Do([&] { form->Confirm->btnNo_Click(); });

        Do([&] { form->btnAbout_Click(); });
        ASSERT_NE(ui->AboutWindow(), nullptr);
        EXPECT_EQ(AfterClick(ui->AboutWindow()), "above above");
        Do([&] { form->About->cmdOK_Click(); });

        EXPECT_EQ(AfterClickInDialog([&] { form->LabelFontNew_Click(0); }), "above above");
        EXPECT_EQ(AfterClickInDialog([&] { form->LabelBgColorNew_Click(); }), "above above");
    }
}

} // namespace
} // namespace quillon::ui
