#include "base/errors.h"

#include <cstddef>
#include <vector>

namespace zarn {

namespace error {
RuntimeError InvalidCall(const std::string& description) { return {kInvalidCall, description}; }
RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
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
        const unsigned char first = static_cast<unsigned char>(characters[at][0]);
        // A stored path may hold anything; the box would end at a NUL and break at a line end.
        shown += first < 0x20 || first == 0x7F ? std::string_view("\xEF\xBF\xBD") : characters[at];
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
