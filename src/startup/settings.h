#pragma once
// The five stored settings, under application "ZarnWrap", section "Zarn".

#include <string>
#include <string_view>

namespace zarn {

inline constexpr std::string_view kApplication = "ZarnWrap";
inline constexpr std::string_view kSection = "Zarn";

namespace key {
inline constexpr std::string_view ShowRes = "ShowRes";
inline constexpr std::string_view ScreenX = "ScreenX";
inline constexpr std::string_view ScreenY = "ScreenY";
inline constexpr std::string_view BitRes = "BitRes";
inline constexpr std::string_view ZarnPath = "ZarnPath";
}  // namespace key

// Per-user text values addressed by application, section and key. A failing
// read or write raises a RuntimeError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or "" when the key (or its application or section) is absent.
    virtual std::string GetSetting(std::string_view application, std::string_view section,
                                   std::string_view key) = 0;
    // Stores the text, creating application, section and key as needed.
    virtual void SaveSetting(std::string_view application, std::string_view section,
                             std::string_view key, std::string_view value) = 0;
};

// The program's own settings: application and section fixed.
inline std::string GetSetting(SettingsStore& store, std::string_view key) {
    return store.GetSetting(kApplication, kSection, key);
}
inline void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) {
    store.SaveSetting(kApplication, kSection, key, value);
}

}  // namespace zarn
