// The settings store kept by QSettings in the platform's native place: on Windows exactly the
// registry key the settings format names, elsewhere the per-user configuration file.
#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>

namespace quillon::ui {

class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    ~QSettingsStore() override;

    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, const std::string& value) override;
    bool DeleteKey() override;

    // Where the values live (a file path, or the registry key on Windows).
    QString Location() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

} // namespace quillon::ui
