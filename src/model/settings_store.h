#pragma once
// Where the settings are kept: per-user text values (the registry on Windows).

#include <string>
#include <string_view>

namespace zarn {

// The values by key name (model/settings.h). A failing read or write raises a RuntimeError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text up to its first NUL, as every C-string reader of the registry
    // (earlier versions of this program among them) sees it; what a hand-made value
    // holds after a NUL is ignored. "" when the key is absent.
    std::string Read(std::string_view key) {
        const std::string value = ReadStored(key);
        return value.substr(0, value.find('\0'));
    }
    // Stores the text, creating the settings' place as needed.
    virtual void Write(std::string_view key, std::string_view value) = 0;

protected:
    // The text as it is kept, NULs and all, or "" when the key is absent.
    virtual std::string ReadStored(std::string_view key) = 0;
};

}  // namespace zarn
