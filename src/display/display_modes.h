#pragma once
// The display device's modes, as the display switch walks and applies them.

#include <cstdint>
#include <optional>

namespace zarn {

struct DisplayMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t depth = 0;
    std::uint32_t frequency = 0;
};

// What the platform answers to a mode change.
enum class ChangeResult { Successful, Restart, Failed, BadMode, NotUpdated, BadFlags, Other };

// The current display device's modes, in the platform's order.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // The mode at this index, or nothing once the index is past the last mode.
    // Index 0 starts a fresh walk.
    virtual std::optional<DisplayMode> Enumerate(std::uint32_t index) = 0;
    // Switches to the mode exactly as the last enumeration returned it (refresh
    // rate and flags included) and records it as the user's stored mode.
    virtual ChangeResult ApplyEnumerated() = 0;
};

}  // namespace zarn
