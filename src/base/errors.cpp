#include "base/errors.h"

#include <cstddef>
#include <vector>

namespace zarn {

namespace error {
RuntimeError InvalidCall(const std::string& description) { return {kInvalidCall, description}; }
RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
RuntimeError OutOfMemory() { return {kOutOfMemory, "Out of memory"}; }
RuntimeError TypeMismatch() { return {kTypeMismatch, "Type mismatch"}; }
RuntimeError FileNotFound() { return {kFileNotFound, "File not found"}; }
}  // namespace error

namespace {

bool IsSeparator(std::string_view c) { return c == "\\" || c == "/"; }

// The text's characters (code points, as UTF-8 sequences), so that nothing is cut
// inside one.
std::vector<std::string_view> Characters(std::string_view text) {
    std::vector<std::string_view> characters;
    std::size_t start = 0;
    for (std::size_t at = 1; at <= text.size(); ++at) {
        if (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
        characters.push_back(text.substr(start, at - start));
        start = at;
    }
    return characters;
}

char32_t CodePoint(std::string_view character) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(character[i])); };
    switch (character.size()) {
        case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
        case 3: return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        case 4: return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
        default: return byte(0);
    }
}

// Characters that would make a box lie about a path: control characters (a NUL
// ends the box's text, a line end breaks it) and the bidirectional controls, which
// turn what follows around, the box's own words included.
bool Misleads(std::string_view character) {
    const char32_t c = CodePoint(character);
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string ShownPath(std::string_view path) {
    std::vector<std::string_view> characters = Characters(path);
    if (characters.size() > kShownPathMost) {
        // The start names the drive and the first folders, the end the program: keep both.
        const std::size_t head = kShownPathMost / 2, tail = kShownPathMost - head - 1;
        characters.erase(characters.begin() + static_cast<std::ptrdiff_t>(head),
                         characters.end() - static_cast<std::ptrdiff_t>(tail));
        characters.insert(characters.begin() + static_cast<std::ptrdiff_t>(head), "\xE2\x80\xA6");  // …
    }

    std::string shown;
    std::size_t line = 0;
    for (std::size_t at = 0; at < characters.size(); ++at) {
        shown += Misleads(characters[at]) ? std::string_view("\xEF\xBF\xBD") : characters[at];
        ++line;
        if (at + 1 == characters.size()) break;
        if (IsSeparator(characters[at])) {
            // Break here if the next folder, with its separator, would not fit on this line.
            std::size_t next = at + 1;
            while (next < characters.size() && !IsSeparator(characters[next])) ++next;
            const std::size_t nextLength = next - at;
            if (line + nextLength > kShownPathLine) {
                shown.push_back('\n');
                line = 0;
            }
        } else if (line == kShownPathLine) {
            shown.push_back('\n');  // a name longer than a line
            line = 0;
        }
    }
    return shown;
}

std::string ErrorBoxText(const RuntimeError& e) {
    return "Run-time error '" + std::to_string(e.number()) + "':\n\n" + e.description();
}

}  // namespace zarn
