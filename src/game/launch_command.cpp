#include "game/launch_command.h"

#include <algorithm>

#include "base/arguments.h"
#include "base/blanks.h"
#include "base/errors.h"
#include "base/wtf8.h"

namespace zarn {

namespace {

bool HoldsBlank(std::string_view text) { return std::any_of(text.begin(), text.end(), IsPathBlank); }

// The folder part of a program path; a root keeps its separator ("C:\", "\").
std::string FolderOf(std::string_view program) {
    const auto slash = program.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    if (slash == 0 || program[slash - 1] == ':') return std::string(program.substr(0, slash + 1));
    return std::string(program.substr(0, slash));
}

RuntimeError NotAProgram(std::string_view folder) {
    return error::InvalidCall(ShownPath(folder) + " is a folder, not a program.");
}

// A path that is quoted or holds no blank: the platform's first token is the program.
void SplitAsTyped(std::string_view path, LaunchCommand& command) {
    const FirstToken program = FirstTokenOf(path);
    command.program = std::string(program.text);
    command.parameters = std::string(path.substr(program.end));
    command.commandLine = std::string(path);
}

// Looks up each leading part that ends at a blank run or at the end and leaves a
// rest without a folder separator, longest first and each once: the first that
// names a file runs, and one that names a folder ends the search.
bool ResolveWithBlanks(std::string_view path, LaunchCommand& command, FileProbe& files) {
    // A part that ends before the last separator would leave a folder in the rest.
    // After it comes the part's name; no UTF-16 unit takes more than three bytes, so
    // a name of more bytes than that is longer than any file system keeps.
    const auto separator = path.find_last_of("\\/");
    const std::size_t name = separator == std::string_view::npos ? 0 : separator + 1;
    for (std::size_t end = std::min(path.size(), name + 3 * kMaxNameUnits); end >= std::max<std::size_t>(name, 1);
         --end) {
        if (end < path.size() && !IsPathBlank(path[end])) continue;
        if (IsPathBlank(path[end - 1])) continue;  // a part ends at the first blank of a run
        if (Utf16Length(path.substr(name, end - name)) > kMaxNameUnits) continue;
        const std::string part(path.substr(0, end));
        switch (files.Look(part)) {
            case Named::Nothing: continue;
            case Named::Folder: throw NotAProgram(part);
            case Named::File: command.program = part; break;
            case Named::FileWithExe: command.program = part + ".exe"; break;
        }
        command.programResolved = true;
        command.parameters = std::string(path.substr(end));
        command.commandLine = "\"" + part + "\"" + command.parameters;
        return true;
    }
    return false;
}

}  // namespace

LaunchCommand BuildLaunchCommand(std::string_view path, std::string_view arguments, FileProbe& files) {
    if (path.empty()) throw error::FileNotFound();
    const bool asTyped = path.front() == '"' || !HoldsBlank(path);

    // A command line that could never be passed is refused before anything is looked
    // up: a resolved program gains its quotes, and the end takes a unit of its own.
    const std::size_t units = Utf16Length(path) + (asTyped ? 0 : 2) + 1 + Utf16Length(arguments) + 1;
    if (units > kMaxCommandLineUnits) {
        std::string_view shown = path;
        while (!shown.empty() && IsPathBlank(shown.back())) shown.remove_suffix(1);
        throw error::InvalidCall("Cannot start " + ShownPath(shown) + ": its command line would be " +
                                 std::to_string(units - 1) + " characters long, and Windows takes at most " +
                                 std::to_string(kMaxCommandLineUnits - 1) + ".");
    }

    LaunchCommand command;
    if (asTyped) {
        SplitAsTyped(path, command);
        // A folder named as typed must not let the platform find a program beside it.
        if (!command.program.empty() && files.Look(command.program) == Named::Folder)
            throw NotAProgram(command.program);
    } else if (!ResolveWithBlanks(path, command, files)) {
        throw error::FileNotFound();
    }
    command.directory = FolderOf(command.program);
    command.commandLine.append(" ").append(arguments);
    command.parameters.append(" ").append(arguments);
    return command;
}

}  // namespace zarn
