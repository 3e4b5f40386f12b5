#pragma once
// The five stored settings, under application "ZarnWrap", section "Zarn".

#include <string>
#include <string_view>

#include "model/settings_store.h"

namespace zarn {

inline constexpr std::string_view kApplication = "ZarnWrap";
inline constexpr std::string_view kSection = "Zarn";

// Where the per-user settings area keeps an application's sections, under
// HKEY_CURRENT_USER; ours is kSettingsRoot\ZarnWrap\Zarn.
inline constexpr std::string_view kSettingsRoot = "Software\\VB and VBA Program Settings";
inline constexpr std::string_view kSettingsKeyPath = "Software\\VB and VBA Program Settings\\ZarnWrap\\Zarn";

namespace key {
inline constexpr std::string_view kShowRes = "ShowRes";
inline constexpr std::string_view kScreenX = "ScreenX";
inline constexpr std::string_view kScreenY = "ScreenY";
inline constexpr std::string_view kBitRes = "BitRes";
inline constexpr std::string_view kZarnPath = "ZarnPath";
}  // namespace key

// The program's own settings: application and section fixed.
inline std::string GetSetting(SettingsStore& store, std::string_view key) {
    return store.GetSetting(kApplication, kSection, key);
}
inline void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) {
    store.SaveSetting(kApplication, kSection, key, value);
}

}  // namespace zarn
