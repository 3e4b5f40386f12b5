#pragma once
// The display mode switch: finds the platform's display mode that matches a width,
// height and colour depth, makes it the desktop mode and tells the user the outcome.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/services.h"

namespace zarn {

struct DisplayMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitsPerPel = 0;
    std::uint32_t frequency = 0;
};

// The current display device's modes, in the platform's order.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // The mode at this index, or nothing once the index is past the last mode.
    // Index 0 starts a fresh walk.
    virtual std::optional<DisplayMode> Enumerate(std::uint32_t index) = 0;
    // Switches to the mode exactly as the last enumeration returned it (refresh
    // rate and flags included), records it as the user's stored mode, and answers
    // with the platform's DISP_CHANGE code.
    virtual std::int32_t ApplyEnumerated() = 0;
};

struct ChangeOutcome {
    std::int32_t code;
    std::string_view message;
    BoxStyle style;
};

inline constexpr std::int32_t kChangeSuccessful = 0;

inline constexpr std::array<ChangeOutcome, 6> kChangeOutcomes{{
    {-4, "An invalid set of flags was passed in", BoxStyle::Critical},
    {-3, "Unable to write settings to the registry", BoxStyle::Critical},
    {-2, "The graphics mode is not supported", BoxStyle::Critical},
    {-1, "The display driver failed the specified graphics mode", BoxStyle::Critical},
    {0, "The display settings change was successful", BoxStyle::Information},
    {1, "The computer must be restarted in order for the graphics mode to work", BoxStyle::Question},
}};

// Applies the first listed mode that matches all three values and reports the
// platform's answer; other answers than those in kChangeOutcomes are not reported.
// When no mode matches, nothing is applied and the user is told so. Returns
// whether the desktop is now in that mode.
bool ApplyScreenMode(std::int16_t width, std::int16_t height, std::int16_t bitsPerPixel,
                     DisplayModes& modes, MessageBoxes& boxes);

}  // namespace zarn
