#pragma once
// The program's own argument string, and the one switch it looks for in it.

#include <cstddef>
#include <string_view>

namespace zarn {

// The first token of a command line by the platform's rule: a quoted one runs to
// its closing quote (an unclosed one to the end), any other to the first blank.
struct FirstToken {
    std::string_view text;  // without its quotes
    std::size_t end;        // where the rest of the command line begins
};
FirstToken FirstTokenOf(std::string_view commandLine);

// The argument string: the command line less the program's own name (its first
// token) and less the blanks that separate it from the name.
std::string_view ArgumentString(std::string_view commandLine);

// "/res" in the argument string forces the setup dialog, but only where it does not
// open the string: there it is the game's own argument. Case-sensitive.
bool ResSwitchForcesDialog(std::string_view arguments);

}  // namespace zarn
