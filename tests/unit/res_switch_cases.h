#pragma once
// Argument strings, and whether their "/res" brings the dialog back: after the first character, anywhere, not only
// as a word; at the very start (even when it comes again later), or in capitals, it is the game's own argument.
#include <utility>

namespace zarn {
inline constexpr std::pair<const char*, bool> kResSwitchCases[] = {
    {"-w /res", true}, {" /res", true},         {"-w /resolution", true}, {"x/res", true}, {"/res", false},
    {"res", false},    {"/res -w /res", false}, {"-w /RES", false},       {"", false}};
}  // namespace zarn
