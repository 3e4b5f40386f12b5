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

// A surrogate pair carried as two three-byte sequences is one character on screen, so it is
// taken as one here too, and judged as the character it makes.
std::vector<Character> Characters(std::string_view text) {
    std::vector<Character> characters;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        char32_t code = DecodeCodePoint(text, at, length);
        std::size_t next = 0;
        const char32_t low = code >= 0xD800 && code <= 0xDBFF && at + length < text.size()
                                 ? DecodeCodePoint(text, at + length, next)
                                 : 0;
        if (low >= 0xDC00 && low <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            length += next;
        }
        characters.push_back({text.substr(at, length), code});
    }
    return characters;
}

struct Range {
    char32_t first, last;
};
// What ShownPath replaces, as each would make the box lie about the path: a NUL ends the box's text,
// a line end or separator breaks it, a format character draws as nothing or turns what follows around,
// the box's own words included ("zarn\u200Bsl.exe" would read as "zarnsl.exe"). The joiners stay: they
// shape letters of real names. U+FFFD stands for a byte that starts no character, which decodes as it.
constexpr Range kShownAsReplacement[] = {
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},
    {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200B},   {0x200E, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0xFFFD, 0xFFFD},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001}, {0xE0020, 0xE007F},
};
bool ShownAsReplacement(char32_t c) {
    for (const Range& range : kShownAsReplacement)
        if (c >= range.first && c <= range.last) return true;
    return false;
}

// Keeps the start (the drive and the first folders) and the end (the program) around the ellipsis.
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
