#include "base/arguments.h"

#include <algorithm>

#include "base/blanks.h"

namespace zarn {

FirstToken FirstTokenOf(std::string_view commandLine) {
    if (!commandLine.empty() && commandLine.front() == '"') {
        const auto close = std::min(commandLine.find('"', 1), commandLine.size());
        return {commandLine.substr(1, close - 1), std::min(close + 1, commandLine.size())};
    }
    const auto end = std::find_if(commandLine.begin(), commandLine.end(), IsBlank) - commandLine.begin();
    return {commandLine.substr(0, static_cast<std::size_t>(end)), static_cast<std::size_t>(end)};
}

std::string_view ArgumentString(std::string_view commandLine) {
    return TrimmedFront(commandLine.substr(FirstTokenOf(commandLine).end), IsBlank);
}

bool ResSwitchForcesDialog(std::string_view arguments) {
    const auto at = arguments.find("/res");
    return at != std::string_view::npos && at > 0;
}

}  // namespace zarn
