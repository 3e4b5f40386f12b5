#include "base/errors.h"

namespace zarn {

namespace error {
RuntimeError InvalidCall(const std::string& description) { return {kInvalidCall, description}; }
RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
RuntimeError TypeMismatch() { return {kTypeMismatch, "Type mismatch"}; }
RuntimeError FileNotFound() { return {kFileNotFound, "File not found"}; }
}  // namespace error

std::string ShownPath(std::string_view path) {
    std::string shown;
    std::size_t line = 0;
    for (std::size_t at = 0; at < path.size(); ++at) {
        shown.push_back(path[at]);
        ++line;
        const bool separator = path[at] == '\\' || path[at] == '/';
        if (separator && at + 1 < path.size()) {
            // Break here if the next folder would not fit on this line.
            const auto next = path.find_first_of("\\/", at + 1);
            const std::size_t nextLength = (next == std::string_view::npos ? path.size() : next) - at;
            if (line + nextLength > kShownPathLine) {
                shown.push_back('\n');
                line = 0;
            }
        }
    }
    return shown;
}

std::string ErrorBoxText(const RuntimeError& e) {
    return "Run-time error '" + std::to_string(e.number()) + "':\n\n" + e.description();
}

}  // namespace zarn
