// Settings values as text under organisation "Velunor", application "Quillon".
#include "ui/QSettingsStore.h"

namespace quillon::ui {
namespace {

QString Key(const std::string& name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velunor"),
                QStringLiteral("Quillon")) {
    // Only the program's own key: a value missing there must stay missing, not be read from
    // the organisation's file, which the rewrite on every save would never clear.
    settings_.setFallbacksEnabled(false);
}

QSettingsStore::~QSettingsStore() {
    settings_.sync();
}

std::optional<std::string> QSettingsStore::Read(const std::string& name) {
    const QVariant value = settings_.value(Key(name));
    if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
    return value.toString().toStdString();
}

bool QSettingsStore::Write(const std::string& name, const std::string& value) {
    // Always text, so the registry gets REG_SZ values whatever the text looks like.
    settings_.setValue(Key(name),
                       QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_.sync();
    return settings_.status() == QSettings::NoError && settings_.isWritable();
}

bool QSettingsStore::DeleteKey() {
    const bool had = !settings_.allKeys().isEmpty();
    settings_.remove(QString());
    settings_.sync();
    return had && settings_.status() == QSettings::NoError;
}

} // namespace quillon::ui
