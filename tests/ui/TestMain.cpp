// Runs the suite inside one QApplication on the offscreen platform, with the settings kept in
// a temporary folder so the user's own are never touched.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

static QtMessageHandler previousHandler = nullptr;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    // The offscreen platform cannot raise windows and says so every time; nothing else is muted.
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QStringLiteral("does not support raise")) && previousHandler)
                previousHandler(type, context, message);
        });
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velunor"));
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
