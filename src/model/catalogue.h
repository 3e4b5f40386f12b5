#pragma once
// The fixed screen modes offered in the dialog, and the look-ups made on them.

#include <array>
#include <optional>
#include <string_view>

namespace zarn {

struct ResolutionRow {
    std::string_view text;
    std::string_view storedWidth;  // the ScreenX text that selects the row
    int width;                     // the row's item number
    int height;
};

struct DepthRow {
    std::string_view text;
    int depth;  // the row's item number
};

inline constexpr std::array<ResolutionRow, 5> kResolutionRows{{
    {"640x480", "640", 640, 480},
    {"800x600", "800", 800, 600},
    {"1024x768", "1024", 1024, 768},
    {"1152x864", "1152", 1152, 864},
    {"1600x1200", "1600", 1600, 1200},
}};

inline constexpr std::array<DepthRow, 6> kDepthRows{{
    {"4-bit, 16 colours", 4},
    {"8-bit, 256 colours", 8},
    {"15-bit, 32768 colours", 15},
    {"16-bit, 65536 colours", 16},
    {"24-bit, 16.7M colours", 24},
    {"32-bit, 16.7M colours", 32},
}};

// Row of the resolution list for a stored ScreenX: exact text match, nothing otherwise.
std::optional<int> ResolutionRowForStoredWidth(std::string_view screenX);

// Row of the colour list for a stored BitRes: match by numeric value. Text that is
// not a number (empty on a first start) matches nothing.
std::optional<int> DepthRowForStored(std::string_view storedDepth);

}  // namespace zarn
