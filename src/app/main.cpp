// The editor `quillon`: `quillon` asks for a cutscene file first; `quillon FILE.CUT` opens it.
#include "app/EndOnSignal.h"
#include "editor/MainWindow.h"
#include "ui/EditorUi.h"
#include "ui/Logo.h"
#include "ui/QtPlatform.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velunor"));
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationVersion(QString::fromLatin1(quillon::kVersion));
    QApplication::setWindowIcon(quillon::ui::QuillonIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor for translating the cutscene text of Flight of the Amazon Queen."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A .CUT file to open instead of asking for one."),
                                 QStringLiteral("[FILE.CUT]"));
    parser.process(app);

    quillon::ui::QtPlatform platform;
    if (!parser.positionalArguments().isEmpty())
        platform.SetPresetOpenAnswer(quillon::ui::ToNativePath(
            QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath()));

    quillon::MainWindow form(platform);
    quillon::ui::EditorUi ui(form, platform);
    // Told to stop (at a logout, say), the editor keeps its settings as its Exit button does,
    // without asking: nobody is there to answer.
    quillon::app::CallOnTerminationSignals(&app, [&form, &ui] {
        ui.Run([&form] {
            if (form.Ended) return;
            form.Settings.Save();
            form.EndProgram();
        });
    });
    ui.Start();
    // Cancelling the first open dialog ends the program before any window was shown.
    if (platform.QuitRequested()) return 0;
    return QApplication::exec();
}
