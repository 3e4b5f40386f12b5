#include "win32/display_modes.h"

namespace zarn::win32 {

std::optional<DisplayMode> Win32DisplayModes::Enumerate(std::uint32_t index) {
    if (index == 0) record_ = DEVMODEA{};
    // The platform asks callers to say how large the record is, before every call.
    record_.dmSize = sizeof(record_);
    record_.dmDriverExtra = 0;
    if (!EnumDisplaySettingsA(nullptr, index, &record_)) return std::nullopt;
    return DisplayMode{static_cast<std::int32_t>(record_.dmPelsWidth), static_cast<std::int32_t>(record_.dmPelsHeight),
                       record_.dmBitsPerPel, record_.dmDisplayFrequency};
}

ChangeResult Win32DisplayModes::ApplyEnumerated() {
    switch (ChangeDisplaySettingsA(&record_, CDS_UPDATEREGISTRY)) {
        case DISP_CHANGE_SUCCESSFUL: return ChangeResult::Successful;
        case DISP_CHANGE_RESTART: return ChangeResult::Restart;
        case DISP_CHANGE_FAILED: return ChangeResult::Failed;
        case DISP_CHANGE_BADMODE: return ChangeResult::BadMode;
        case DISP_CHANGE_NOTUPDATED: return ChangeResult::NotUpdated;
        case DISP_CHANGE_BADFLAGS: return ChangeResult::BadFlags;
        default: return ChangeResult::Other;
    }
}

}  // namespace zarn::win32
