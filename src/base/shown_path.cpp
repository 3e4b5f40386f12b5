#include "base/shown_path.h"

#include <vector>

#include "base/blanks.h"
#include "base/wtf8.h"

namespace zarn {

namespace {

// A character of the text (a code point, as its UTF-8 sequence), so that nothing is cut inside one.
struct Character {
    std::string_view text;
    char32_t code;
};

std::vector<Character> Characters(std::string_view text) {
    std::vector<Character> characters;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const char32_t code = DecodeCodePoint(text, at, length);
        characters.push_back({text.substr(at, length), code});
    }
    return characters;
}

// Characters that would make a box lie about a path: control characters (a NUL ends the box's
// text, a line end breaks it), the bidirectional controls, which turn what follows around, the
// box's own words included, and the invisible format characters U+200B, U+2060 and U+FEFF, which
// make "zarn\u200Bsl.exe" read as "zarnsl.exe". A byte that starts no character shows so too.
bool ShownAsReplacement(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200B || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || c == 0x2060 || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF || c == 0xFFFD;
}

// The start names the drive and the first folders, the end the program: both are kept
// around an ellipsis when the path has more characters than a box shows.
void Elide(std::vector<Character>& characters) {
    if (characters.size() <= kShownPathMost) return;
    const std::ptrdiff_t head = kShownPathMost / 2, tail = kShownPathMost - head - 1;
    characters[static_cast<std::size_t>(head)] = Character{"\xE2\x80\xA6", 0x2026};  // …
    characters.erase(characters.begin() + head + 1, characters.end() - tail);
}

// Whether a line break goes after the character at: after a separator when the next
// folder, with its separator, would not fit on the line; inside a name longer than a line.
bool BreaksAfter(const std::vector<Character>& characters, std::size_t at, std::size_t line) {
    if (!IsPathSeparator(characters[at].code)) return line == kShownPathLine;
    std::size_t next = at + 1;
    while (next < characters.size() && !IsPathSeparator(characters[next].code)) ++next;
    return line + (next - at) > kShownPathLine;
}

}  // namespace

std::string ShownPath(std::string_view path) {
    std::vector<Character> characters = Characters(path);
    Elide(characters);
    std::string shown;
    for (std::size_t at = 0, line = 0; at < characters.size(); ++at) {
        shown += ShownAsReplacement(characters[at].code) ? std::string_view("\xEF\xBF\xBD") : characters[at].text;
        if (at + 1 < characters.size() && BreaksAfter(characters, at, ++line)) {
            shown.push_back('\n');
            line = 0;
        }
    }
    return shown;
}

}  // namespace zarn
