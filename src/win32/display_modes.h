#pragma once
// The current display device's modes through EnumDisplaySettingsA / ChangeDisplaySettingsA.

#include <windows.h>

#include "display/display_modes.h"

namespace zarn::win32 {

class Win32DisplayModes final : public DisplayModes {
public:
    std::optional<DisplayMode> Enumerate(std::uint32_t index) override;
    ChangeResult ApplyEnumerated() override;

private:
    DEVMODEA record_{};  // as the last enumeration left it
};

}  // namespace zarn::win32
