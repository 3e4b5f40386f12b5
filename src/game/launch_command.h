#pragma once
// From the game path (as typed in the path box, or stored) and the program's own
// argument string to exactly what is started: never a guess by the platform.

#include <cstddef>
#include <string>
#include <string_view>

#include "game/file_probe.h"

namespace zarn {

// Exactly what is started for a game run (see BuildLaunchCommand).
struct LaunchCommand {
    std::string commandLine;      // what the game gets as its command line
    std::string program;          // the resolved file, or the first token as typed; full when long
    std::string applicationName;  // the file the platform runs: the resolved program, else ""
    std::string parameters;       // the command line after the program's token
    std::string directory;        // the program's folder made full, "" for a bare name
};

// The platform takes command lines of at most this many UTF-16 units, its end included.
inline constexpr std::size_t kMaxCommandLineUnits = 32767;
// The platform takes a path of fewer units than this as it is typed; a longer program path
// is made full ("." and ".." resolved), as the file probe's look-up that found it did.
inline constexpr std::size_t kMaxPathUnits = 260;
// No file system of Windows keeps a name (the text between two separators) longer
// than this many UTF-16 units: a part of a path whose name is longer names nothing.
inline constexpr std::size_t kMaxNameUnits = 255;

// The path text is read without the blanks around it, and a line end in it counts
// as a space: none reaches the game. A path that is then quoted, or holds no
// blank, goes out as typed. An unquoted path with a blank (space or tab) runs the
// longest leading part that ends at a blank or at the end, is not followed by more
// of its own folder path (a word with '\' or '/' that is no option: '/' or '-'
// first) and names an existing file (as typed or with ".exe" added); that part is
// quoted and the rest follows as arguments. Where such a part names a folder first,
// the path is refused with error 5: a shorter part is never tried. Raises "File not
// found" (53) for an empty or blank path, quotes around nothing but blanks, or when
// no such part exists, and error 5, before anything is looked up, for a command line
// longer than the platform takes. Each part is looked up at most once, and a part
// whose name is longer than kMaxNameUnits not at all. The arguments follow as given.
LaunchCommand BuildLaunchCommand(std::string_view path, std::string_view arguments, FileProbe& files);

}  // namespace zarn
