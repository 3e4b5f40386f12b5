#include "game/launch_command.h"

#include <algorithm>
#include <vector>

#include "base/arguments.h"
#include "base/blanks.h"
#include "base/errors.h"
#include "base/shown_path.h"
#include "base/wtf8.h"

namespace zarn {

namespace {

std::string PathText(std::string_view path) {
    std::string text(Trimmed(path, IsPathBlank));
    std::replace_if(text.begin(), text.end(), IsLineEnd, ' ');
    return text;
}

// The folders of a program path; a root keeps its separator ("C:\", "\").
std::string FolderOf(std::string_view program) {
    const auto slash = program.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    if (slash == 0 || program[slash - 1] == ':') return std::string(program.substr(0, slash + 1));
    return std::string(program.substr(0, slash));
}

// What a path names as a program to start: the file itself, else a folder of that name,
// else the file with ".exe" added, which is not asked for when a folder on the way is missing.
enum class Named { Nothing, File, FileWithExe, Folder };
Named LookUp(FileProbe& files, const std::string& path) {
    switch (files.Kind(path)) {
        case PathKind::File: return Named::File;
        case PathKind::Folder: return Named::Folder;
        case PathKind::MissingFolder: return Named::Nothing;
        case PathKind::Missing: break;
    }
    return files.Kind(path + ".exe") == PathKind::File ? Named::FileWithExe : Named::Nothing;
}

RuntimeError NotAProgram(std::string_view folder) {
    return error::InvalidCall(ShownPath(folder) + " is a folder, not a program.");
}

// A word with a separator that is no option ('/' or '-' first), as "Files\Van" after "C:\Program".
bool ContinuesFolder(std::string_view word) {
    return !word.empty() && word.front() != '/' && word.front() != '-' &&
           std::any_of(word.begin(), word.end(), IsPathSeparator);
}

// A candidate program: a leading stretch of the path text that ends at a blank run or at the end.
struct Candidate {
    std::size_t end;
    std::size_t nameUnits;          // UTF-16 units of its last name, after its last separator
    bool followedByFolder = false;  // the word after its blank run continues its folder path
};

// The candidates of a text without blanks around it, shortest first, found in one pass
// that reads each character a bounded number of times, however many there are.
std::vector<Candidate> CandidatesOf(std::string_view text) {
    std::vector<Candidate> candidates;
    std::size_t nameUnits = 0;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const char32_t c = DecodeCodePoint(text, at, length);
        const bool blank = IsBlank(text[at]);
        if (at > 0 && blank != IsBlank(text[at - 1])) {
            if (blank) {
                candidates.push_back({at, nameUnits});
            } else {  // the word after the last candidate's blank run
                const std::string_view rest = text.substr(at);
                candidates.back().followedByFolder =
                    ContinuesFolder(rest.substr(0, std::find_if(rest.begin(), rest.end(), IsBlank) - rest.begin()));
            }
        }
        nameUnits = IsPathSeparator(text[at]) ? 0 : nameUnits + (c >= 0x10000 ? 2 : 1);
    }
    candidates.push_back({text.size(), nameUnits});
    return candidates;
}

// The platform's first token is the program. It keeps the name as typed, without an ".exe" the look-up
// might add: the platform finds the file itself from the command line, which the game reads as written.
void SplitAsTyped(std::string_view text, LaunchCommand& command) {
    const FirstToken program = FirstTokenOf(text);
    // Quotes around nothing but blanks name no file; the platform would only say
    // the parameter or the access is wrong.
    if (std::all_of(program.text.begin(), program.text.end(), IsBlank)) throw error::FileNotFound();
    command.program = std::string(program.text);
    command.parameters = std::string(text.substr(program.end));
    command.commandLine = std::string(text);
}

bool ResolveWithBlanks(std::string_view text, LaunchCommand& command, FileProbe& files) {
    const std::vector<Candidate> candidates = CandidatesOf(text);
    for (auto candidate = candidates.rbegin(); candidate != candidates.rend(); ++candidate) {
        if (candidate->followedByFolder || candidate->nameUnits > kMaxNameUnits) continue;
        const std::string program(text.substr(0, candidate->end));
        const Named named = LookUp(files, program);
        if (named == Named::Folder) throw NotAProgram(program);
        if (named == Named::Nothing) continue;
        command.program = program + (named == Named::FileWithExe ? ".exe" : "");
        command.applicationName = command.program;
        command.parameters = std::string(text.substr(candidate->end));
        command.commandLine = "\"" + program + "\"" + command.parameters;
        return true;
    }
    return false;
}

}  // namespace

LaunchCommand BuildLaunchCommand(std::string_view path, std::string_view arguments, FileProbe& files) {
    const std::string text = PathText(path);
    if (text.empty()) throw error::FileNotFound();
    const bool asTyped = text.front() == '"' || std::none_of(text.begin(), text.end(), IsBlank);

    // A resolved program gains its quotes, and the end takes a unit of its own.
    const std::size_t units = Utf16Length(text) + (asTyped ? 0 : 2) + 1 + Utf16Length(arguments) + 1;
    if (units > kMaxCommandLineUnits)
        throw error::InvalidCall("Cannot start " + ShownPath(text) + ": its command line would be " +
                                 std::to_string(units - 1) + " characters long, and Windows takes at most " +
                                 std::to_string(kMaxCommandLineUnits - 1) + ".");

    LaunchCommand command;
    if (asTyped) {
        SplitAsTyped(text, command);
        // A folder named as typed must not let the platform find a program beside it.
        if (files.Kind(command.program) == PathKind::Folder) throw NotAProgram(command.program);
    } else if (!ResolveWithBlanks(text, command, files)) {
        throw error::FileNotFound();
    }
    // A path that cannot be made full goes as it is: the platform then says what is wrong with it.
    const auto fullOrAsIs = [&](const std::string& path) {
        const std::string full = path.empty() ? path : files.FullPath(path);
        return full.empty() ? path : full;
    };
    command.directory = fullOrAsIs(FolderOf(command.program));
    if (Utf16Length(command.program) >= kMaxPathUnits) {
        command.program = fullOrAsIs(command.program);
        if (!command.applicationName.empty()) command.applicationName = command.program;
    }
    command.commandLine.append(" ").append(arguments);
    command.parameters.append(" ").append(arguments);
    return command;
}

}  // namespace zarn
