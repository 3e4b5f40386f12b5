#pragma once
// Where the settings are kept: per-user text values (the registry on Windows).

#include <string>
#include <string_view>

namespace zarn {

// Per-user text values addressed by application, section and key. A failing
// read or write raises a RuntimeError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or "" when the key (or its application or section) is absent.
    virtual std::string GetSetting(std::string_view application, std::string_view section, std::string_view key) = 0;
    // Stores the text, creating application, section and key as needed.
    virtual void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

}  // namespace zarn
