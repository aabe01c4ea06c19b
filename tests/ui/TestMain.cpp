// Runs the suite inside one QApplication on the offscreen platform, with the settings kept in
// a temporary folder so the user's own are never touched.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise windows and says so every time; nothing else is muted.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    previousHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velunor"));
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
