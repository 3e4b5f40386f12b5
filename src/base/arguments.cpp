#include "base/arguments.h"

namespace zarn {

std::string_view ArgumentString(std::string_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        const auto close = commandLine.find('"', 1);
        at = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (at < commandLine.size() && commandLine[at] != ' ' && commandLine[at] != '\t') ++at;
    }
    while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
    return commandLine.substr(at);
}

bool ResSwitchForcesDialog(std::string_view arguments) {
    const auto at = arguments.find("/res");
    return at != std::string_view::npos && at > 0;
}

}  // namespace zarn
