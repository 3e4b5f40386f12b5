#pragma once
// Blanks, as command lines and the texts the program stores have them.

namespace zarn {

// What separates the tokens of a command line, by the platform's rule: space or tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// In a path text also the line ends that a pasted or hand-edited path may carry.
constexpr bool IsPathBlank(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

}  // namespace zarn
