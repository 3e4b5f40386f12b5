#pragma once
// Blanks, as command lines and the texts the program stores have them.

namespace zarn {

// What separates the tokens of a command line, by the platform's rule: space or tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line ends that a pasted or hand-edited path text may carry.
constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// In a path text the line ends are blanks too.
constexpr bool IsPathBlank(char c) { return IsBlank(c) || IsLineEnd(c); }

}  // namespace zarn
