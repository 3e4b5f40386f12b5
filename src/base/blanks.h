#pragma once
// Blanks and separators, as command lines, paths and the texts the program stores have them.

#include <string_view>

namespace zarn {

// What separates the tokens of a command line, by the platform's rule: space or tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The line ends that a pasted or hand-edited path text may carry.
constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// In a path text the line ends are blanks too.
constexpr bool IsPathBlank(char c) { return IsBlank(c) || IsLineEnd(c); }

// The text without the blanks of one kind (IsBlank, IsPathBlank) at its start, or at both ends.
constexpr std::string_view TrimmedFront(std::string_view text, bool (*blank)(char)) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    return text;
}
constexpr std::string_view Trimmed(std::string_view text, bool (*blank)(char)) {
    text = TrimmedFront(text, blank);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// What separates the folders and the name of a path: either slash, as Windows reads it.
constexpr bool IsPathSeparator(char32_t c) { return c == '\\' || c == '/'; }

}  // namespace zarn
