#pragma once

#include <string_view>

namespace zarn {

// The argument string: the command line less the program's own name (a first token
// in quotes runs to the closing quote, otherwise to the first blank) and less the
// blanks that separate it from the name.
std::string_view ArgumentString(std::string_view commandLine);

}  // namespace zarn
