#pragma once
// How a path is shown in a box, so that it cannot make the box lie or outgrow the screen.

#include <cstddef>
#include <string>
#include <string_view>

namespace zarn {

// Control characters (a NUL, a line break), bidirectional controls (U+061C, U+200E,
// U+200F, U+202A-U+202E, U+2066-U+2069) and invisible format characters (U+200B,
// U+2060, U+FEFF) show as U+FFFD; at most kShownPathMost characters, the middle
// elided with "…"; broken after a folder separator wherever a line would run past
// kShownPathLine characters (a longer name is broken where the line is full).
inline constexpr std::size_t kShownPathLine = 60;
inline constexpr std::size_t kShownPathMost = 300;
std::string ShownPath(std::string_view path);

}  // namespace zarn
