// Named text values under the program's one settings key.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace quillon {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value's text, or nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // Creates or replaces the value; false when it could not be written.
    virtual bool Write(const std::string& name, const std::string& value) = 0;
    // Removes the key with all its values; false when there was nothing to remove or it failed.
    virtual bool DeleteKey() = 0;
};

// A store held in memory, for tests and for the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& name) override {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool Write(const std::string& name, const std::string& value) override {
        if (failWrites) return false;
        values[name] = value;
        return true;
    }
    bool DeleteKey() override {
        bool had = !values.empty();
        values.clear();
        return had;
    }

    std::map<std::string, std::string> values;
    bool failWrites = false;
};

} // namespace quillon
