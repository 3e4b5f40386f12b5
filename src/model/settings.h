#pragma once
// The five stored settings and where they live.

#include <string_view>

namespace zarn {

// Where the settings live under HKEY_CURRENT_USER: the per-user settings area's
// key for application "ZarnWrap", section "Zarn", where earlier versions kept them.
inline constexpr std::string_view kSettingsKeyPath = "Software\\VB and VBA Program Settings\\ZarnWrap\\Zarn";

namespace key {
inline constexpr std::string_view kShowRes = "ShowRes";
inline constexpr std::string_view kScreenX = "ScreenX";
inline constexpr std::string_view kScreenY = "ScreenY";
inline constexpr std::string_view kBitRes = "BitRes";
inline constexpr std::string_view kZarnPath = "ZarnPath";
}  // namespace key

}  // namespace zarn
