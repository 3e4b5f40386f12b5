#pragma once
// How a path is shown in a box, so that it cannot make the box lie or outgrow the screen.

#include <cstddef>
#include <string>
#include <string_view>

namespace zarn {

// Control characters, the line and paragraph separators, the format characters of Unicode 16
// (category Cf: bidirectional controls, invisible ones) but the joiners U+200C and U+200D, and
// a byte that starts no character show as U+FFFD; at most kShownPathMost characters, the middle
// elided with "…"; broken after a folder separator wherever a line would run past
// kShownPathLine characters (a longer name is broken where the line is full).
inline constexpr std::size_t kShownPathLine = 60;
inline constexpr std::size_t kShownPathMost = 300;
std::string ShownPath(std::string_view path);

}  // namespace zarn
