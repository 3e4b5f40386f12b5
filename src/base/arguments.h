#pragma once
// The program's own argument string, and the one switch it looks for in it.

#include <string_view>

namespace zarn {

// The argument string: the command line less the program's own name (a first token
// in quotes runs to the closing quote, otherwise to the first blank) and less the
// blanks that separate it from the name.
std::string_view ArgumentString(std::string_view commandLine);

// "/res" in the argument string forces the setup dialog, but only where it does not
// open the string: there it is the game's own argument. Case-sensitive.
bool ResSwitchForcesDialog(std::string_view arguments);

}  // namespace zarn
