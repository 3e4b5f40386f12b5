#pragma once
// The display switch: makes the display mode of a width, height and depth the desktop's.

#include <array>
#include <cstdint>
#include <string_view>

#include "base/message_boxes.h"
#include "display/display_modes.h"

namespace zarn {

struct ChangeOutcome {
    ChangeResult result;
    std::string_view message;
    BoxStyle style;
};

inline constexpr std::array<ChangeOutcome, 6> kChangeOutcomes{{
    {ChangeResult::BadFlags, "An invalid set of flags was passed in", BoxStyle::Critical},
    {ChangeResult::NotUpdated, "Unable to write settings to the registry", BoxStyle::Critical},
    {ChangeResult::BadMode, "The graphics mode is not supported", BoxStyle::Critical},
    {ChangeResult::Failed, "The display driver failed the specified graphics mode", BoxStyle::Critical},
    {ChangeResult::Successful, "The display settings change was successful", BoxStyle::Information},
    {ChangeResult::Restart, "The computer must be restarted in order for the graphics mode to work",
     BoxStyle::Question},
}};

// Applies the first listed mode that matches all three values and reports the
// platform's answer; other answers than those in kChangeOutcomes are not reported.
// When no mode matches, nothing is applied and the user is told so. Returns
// whether the desktop is now in that mode.
bool ApplyScreenMode(std::int16_t width, std::int16_t height, std::int16_t depth, DisplayModes& modes,
                     MessageBoxes& boxes);

}  // namespace zarn
