#include "display/display_switch.h"

#include <string>

namespace zarn {

namespace {

bool Matches(const DisplayMode& mode, std::int16_t width, std::int16_t height, std::int16_t depth) {
    // Only the low 16 bits of the depth take part, as a signed value: the record that earlier
    // versions matched against holds no more, so modes match the stored settings as they did.
    const auto modeDepth = static_cast<std::int16_t>(static_cast<std::uint16_t>(mode.depth & 0xFFFFu));
    return mode.width == width && mode.height == height && modeDepth == depth;
}

void Report(ChangeResult result, MessageBoxes& boxes) {
    for (const auto& outcome : kChangeOutcomes)
        if (outcome.result == result) boxes.Show(std::string(outcome.message), outcome.style);
}

}  // namespace

bool ApplyScreenMode(std::int16_t width, std::int16_t height, std::int16_t depth, DisplayModes& modes,
                     MessageBoxes& boxes) {
    for (std::uint32_t index = 0;; ++index) {
        const auto mode = modes.Enumerate(index);
        if (!mode) break;
        if (!Matches(*mode, width, height, depth)) continue;
        const ChangeResult result = modes.ApplyEnumerated();
        Report(result, boxes);
        return result == ChangeResult::Successful;
    }
    boxes.Show("No display mode of " + std::to_string(width) + "x" + std::to_string(height) + " at " +
                   std::to_string(depth) + " bits per pixel is available",
               BoxStyle::Critical);
    return false;
}

}  // namespace zarn
