#include "game/launch_command.h"

#include <algorithm>

#include "base/errors.h"
#include "base/wtf8.h"

namespace zarn {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HoldsBlank(std::string_view text) { return text.find_first_of(" \t") != std::string_view::npos; }

// The folder part of a program path; a root keeps its separator ("C:\", "\").
std::string FolderOf(std::string_view program) {
    const auto slash = program.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    if (slash == 0 || program[slash - 1] == ':') return std::string(program.substr(0, slash + 1));
    return std::string(program.substr(0, slash));
}

// The first token by the platform's rule: a quoted one runs to the closing quote,
// otherwise to the first blank.
void SplitAsTyped(std::string_view path, LaunchCommand& command) {
    std::size_t end;
    if (path.front() == '"') {
        const auto close = std::min(path.find('"', 1), path.size());  // an unclosed quote runs to the end
        command.program = std::string(path.substr(1, close - 1));
        end = std::min(close + 1, path.size());
    } else {
        end = std::min(path.find_first_of(" \t"), path.size());
        command.program = std::string(path.substr(0, end));
    }
    command.parameters = std::string(path.substr(end));
}

// The resolved file for a leading part of the path, or "" when it names none.
std::string ExistingFile(std::string_view part, FileProbe& files) {
    std::string candidate(part);
    if (files.IsFile(candidate)) return candidate;
    candidate += ".exe";
    if (files.IsFile(candidate)) return candidate;
    return {};
}

bool ResolveWithBlanks(std::string_view path, LaunchCommand& command, FileProbe& files) {
    for (std::size_t end = path.size(); end > 0; --end) {
        if (end < path.size() && !IsBlank(path[end])) continue;
        if (IsBlank(path[end - 1])) continue;  // a part ends at the first blank of a run
        const std::string_view rest = path.substr(end);
        if (rest.find_first_of("\\/") != std::string_view::npos) continue;
        const std::string file = ExistingFile(path.substr(0, end), files);
        if (file.empty()) continue;
        command.program = file;
        command.programResolved = true;
        command.parameters = std::string(rest);
        command.commandLine = "\"" + std::string(path.substr(0, end)) + "\"" + std::string(rest);
        return true;
    }
    return false;
}

// The path text as a whole, blanks at its end trimmed and enclosing quotes taken off.
std::string_view Whole(std::string_view path) {
    while (!path.empty() && IsBlank(path.back())) path.remove_suffix(1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

LaunchCommand BuildLaunchCommand(std::string_view path, std::string_view arguments, FileProbe& files) {
    if (path.empty()) throw error::FileNotFound();
    // A folder typed with blanks must never run a shorter part of its name
    // ("C:\Program Files\Van Treel" is no licence to start "C:\Program Files\Van.exe").
    const std::string_view whole = Whole(path);
    if (!whole.empty() && files.IsFolder(std::string(whole)))
        throw error::InvalidCall(ShownPath(whole) + " is a folder, not a program.");

    LaunchCommand command;
    if (path.front() == '"' || !HoldsBlank(path)) {
        SplitAsTyped(path, command);
        command.commandLine = std::string(path);
    } else if (!ResolveWithBlanks(path, command, files)) {
        throw error::FileNotFound();
    }
    command.directory = FolderOf(command.program);
    command.commandLine.append(" ").append(arguments);
    command.parameters.append(" ").append(arguments);

    const std::size_t units = Utf16Length(command.commandLine) + 1;
    if (units > kMaxCommandLineUnits)
        throw error::InvalidCall("Cannot start " + ShownPath(command.program) + ": its command line would be " +
                                 std::to_string(units - 1) + " characters long, and Windows takes at most " +
                                 std::to_string(kMaxCommandLineUnits - 1) + ".");
    return command;
}

}  // namespace zarn
