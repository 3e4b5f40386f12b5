#pragma once
// The five stored settings, under application "ZarnWrap", section "Zarn".

#include <algorithm>
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

// The program's own settings: application and section fixed. A stored text ends at
// its first NUL, as every C-string reader of the registry (earlier versions of this
// program among them) sees it; what a hand-made value holds after it is ignored.
inline std::string GetSetting(SettingsStore& store, std::string_view key) {
    std::string value = store.GetSetting(kApplication, kSection, key);
    value.resize(std::min(value.find('\0'), value.size()));
    return value;
}
inline void SaveSetting(SettingsStore& store, std::string_view key, std::string_view value) {
    store.SaveSetting(kApplication, kSection, key, value);
}

}  // namespace zarn
