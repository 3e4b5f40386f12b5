#pragma once
// Blanks and separators, as command lines, paths and the texts the program stores have them.

namespace zarn {

// What separates the tokens of a command line, by the platform's rule: space or tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line ends that a pasted or hand-edited path text may carry.
constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// In a path text the line ends are blanks too.
constexpr bool IsPathBlank(char c) { return IsBlank(c) || IsLineEnd(c); }

// What separates the folders and the name of a path: either slash, as Windows reads it.
constexpr bool IsPathSeparator(char32_t c) { return c == '\\' || c == '/'; }

}  // namespace zarn
