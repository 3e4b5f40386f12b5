#pragma once
// From the game path (as typed in the path box, or stored) and the program's own
// argument string to exactly what is started: never a guess by the platform.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/services.h"

namespace zarn {

// The platform takes command lines of at most this many UTF-16 units, its end included.
inline constexpr std::size_t kMaxCommandLineUnits = 32767;

// A path that is quoted, or holds no blank, goes out as typed. An unquoted path
// with a blank runs the longest leading part that ends at a blank or at the end,
// names an existing file (as typed or with ".exe" added) and is followed by text
// with no '\' or '/'; that part is quoted and the rest follows as arguments.
// A path that as a whole (blanks at its end trimmed) names an existing folder is
// refused with error 5. Raises "File not found" (53) for an empty path or when no
// such part exists, and error 5 for a command line longer than the platform takes.
LaunchCommand BuildLaunchCommand(std::string_view path, std::string_view arguments, FileProbe& files);

}  // namespace zarn
