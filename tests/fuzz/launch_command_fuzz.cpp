// Fuzzes BuildLaunchCommand. The input is lines:
//   byte 0      flags: bit 0 puts a long filler before the arguments, so the
//               command-line limit is reached with short inputs; bit 1 makes
//               each '\v' in the path and the arguments a line feed
//   line 1      the game path
//   line 2      the arguments
//   lines 3...  the files that exist; "*N" stands for the first N bytes of the
//               path as resolved (blanks around it dropped, line ends as spaces)
//               and "*N.exe" for those with ".exe" added, so that the fuzzer
//               reaches resolved paths without having to guess them; a line
//               that starts with '!' names a folder instead
// Besides crashes, every property below is a finding when it fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../unit/fakes.h"
#include "game/launch_command.h"
#include "base/arguments.h"
#include "base/blanks.h"
#include "base/errors.h"
#include "base/wtf8.h"

namespace {

using Files = zarn::fake::Files;

// What a path names as a program, by the rule the launcher follows: the file, else a folder
// of that name, else the file with ".exe" added (the fuzzer's files have no missing folders).
enum class Named { Nothing, File, FileWithExe, Folder };
Named What(const Files& files, const std::string& path) {
    if (files.existing.count(path)) return Named::File;
    if (files.folders.count(path)) return Named::Folder;
    return files.existing.count(path + ".exe") ? Named::FileWithExe : Named::Nothing;
}

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

using zarn::IsBlank;
bool HoldsSeparator(std::string_view text) { return text.find_first_of("\\/") != std::string_view::npos; }

// The path as it is resolved and sent: line ends as spaces, the blanks around it dropped.
std::string PathText(std::string text) {
    std::replace_if(text.begin(), text.end(), zarn::IsLineEnd, ' ');
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// A word after the blanks that holds a separator and is no option goes on with the folder path.
bool FolderFollows(std::string_view rest) {
    rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t")));
    const std::string_view word = rest.substr(0, rest.find_first_of(" \t"));
    return HoldsSeparator(word) && word.front() != '/' && word.front() != '-';
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 1);
    }
}

std::string FileEntry(std::string_view line, std::string_view path) {
    if (line.size() < 2 || line[0] != '*' || line[1] < '0' || line[1] > '9') return std::string(line);
    std::size_t n = 0, at = 1;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9' && n < 100000; ++at) n = n * 10 + (line[at] - '0');
    std::string entry(path.substr(0, n));
    if (line.substr(at) == ".exe") entry += ".exe";
    return entry;
}

// The longest leading part that ends at a blank run or at the end, is followed by
// no more of its folder path, has a name a file system can keep and names something (a
// file, a folder, a file with ".exe"), if one is longer than shorterThan.
std::string LongerNamedPart(std::string_view path, std::size_t shorterThan, const Files& files) {
    for (std::size_t end = path.size(); end > shorterThan; --end) {
        if (end < path.size() && !IsBlank(path[end])) continue;
        if (IsBlank(path[end - 1])) continue;
        if (FolderFollows(path.substr(end))) continue;
        const std::string part(path.substr(0, end));
        const auto separator = part.find_last_of("\\/");
        const std::size_t name = separator == std::string::npos ? 0 : separator + 1;
        if (zarn::Utf16Length(std::string_view(part).substr(name)) > zarn::kMaxNameUnits) continue;
        if (What(files, part) != Named::Nothing) return part;
    }
    return {};
}

// One input: what BuildLaunchCommand was given, and figures read off it directly.
struct Input {
    std::string raw, path;  // as given, and as resolved
    std::string arguments;
    Files files;
    bool asTyped = false;
    std::size_t blanks = 0;
    std::size_t lineUnits = 0;  // the command line's UTF-16 units, without its end (a resolved part: as if all quoted)
};

void CheckRefusal(const zarn::RuntimeError& e, const Input& in) {
    const Files& files = in.files;
    Check(e.number() == zarn::error::kFileNotFound || e.number() == zarn::error::kInvalidCall,
          "only errors 53 and 5 are raised");
    if (in.path.empty()) return Check(e.number() == zarn::error::kFileNotFound, "an empty or blank path is 53");
    if (in.lineUnits + 1 > zarn::kMaxCommandLineUnits) {
        Check(e.number() == zarn::error::kInvalidCall, "an over-long command line is error 5");
        return Check(files.asked.empty(), "an over-long command line is refused before any look-up");
    }
    if (e.number() == zarn::error::kFileNotFound) {
        if (in.asTyped)
            return Check(zarn::FirstTokenOf(in.path).text.find_first_not_of(" \t") == std::string_view::npos,
                         "53 for a path as typed only when its program is blank");
        return Check(LongerNamedPart(in.path, 0, files).empty(), "53 only when no part names anything");
    }
    Check(e.description().ends_with(" is a folder, not a program."), "5 within the limit only for a folder");
    Check(!files.asked.empty() && What(files, files.asked.back()) == Named::Folder,
          "the folder refused is the last part looked up");
    if (!in.asTyped)
        Check(LongerNamedPart(in.path, 0, files) == files.asked.back(),
              "a folder ends the search only as the longest named part");
}

void CheckCommand(const zarn::LaunchCommand& command, const Input& in) {
    const Files& files = in.files;
    const std::string_view path = in.path;
    const std::string& arguments = in.arguments;
    Check(std::set<std::string>(files.asked.begin(), files.asked.end()).size() == files.asked.size(),
          "each part is looked up at most once");
    Check(command.commandLine.ends_with(" " + arguments), "the command line ends with the arguments");
    Check(command.commandLine.substr(0, command.commandLine.size() - arguments.size()).find_first_of("\r\n") ==
              std::string::npos,
          "no line end reaches the command line but in the player's own arguments");
    Check(command.parameters.ends_with(" " + arguments), "the parameters end with the arguments");
    Check(command.commandLine.ends_with(command.parameters), "the parameters are the command line's tail");
    Check(zarn::Utf16Length(command.commandLine) + 1 <= zarn::kMaxCommandLineUnits, "the command line fits");
    Check(command.program.starts_with(command.directory), "the folder is a leading part of the program");

    if (in.asTyped) {
        Check(command.commandLine == std::string(path) + " " + arguments,
              "a quoted or blank-free path goes out as typed");
        Check(command.applicationName.empty(), "a path as typed is not resolved");
        Check(files.asked.size() <= 1, "a path as typed is looked up once at most");
        return Check(What(files, command.program) != Named::Folder, "a program that names a folder is never started");
    }

    Check(command.applicationName == command.program, "an unquoted path with a blank is resolved");
    Check(files.existing.count(command.program) != 0, "the resolved program exists");
    std::string part = command.program;
    if (!path.starts_with(part)) {
        Check(part.ends_with(".exe"), "the program is a leading part of the path, or that with .exe");
        part.resize(part.size() - 4);
    }
    Check(path.starts_with(part) && !part.empty(), "the program's part leads the path");
    Check(part == command.program || What(files, part) == Named::FileWithExe,
          ".exe is added only when the part names neither file nor folder");
    const std::string_view rest = path.substr(part.size());
    Check(rest.empty() || IsBlank(rest.front()), "the part ends at a blank or at the end");
    Check(!IsBlank(part.back()), "the part does not end in a blank");
    Check(!FolderFollows(rest), "no more of its folder path follows the program");
    Check(command.commandLine == "\"" + part + "\"" + std::string(rest) + " " + arguments,
          "the rest of the path follows the quoted part unchanged");
    Check(LongerNamedPart(path, part.size(), files).empty(),
          "the longest named part is chosen: a longer folder is never resolved to a shorter file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    Input in;
    in.raw = lines[0];
    if (data[0] & 1) in.arguments.assign(zarn::kMaxCommandLineUnits - 80, 'a');
    if (lines.size() > 1) in.arguments += lines[1];
    for (std::string* text : {&in.raw, &in.arguments})
        if (data[0] & 2) std::replace(text->begin(), text->end(), '\v', '\n');
    in.path = PathText(in.raw);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '!')
            in.files.folders.insert(FileEntry(lines[i].substr(1), in.path));
        else
            in.files.existing.insert(FileEntry(lines[i], in.path));
    }
    const std::string_view path = in.path;
    in.asTyped = !path.empty() && (path.front() == '"' || std::none_of(path.begin(), path.end(), IsBlank));
    in.blanks = static_cast<std::size_t>(std::count_if(path.begin(), path.end(), IsBlank));
    in.lineUnits = zarn::Wtf8ToUtf16((in.asTyped ? in.path : '"' + in.path + '"') + ' ' + in.arguments).size();
    try {
        CheckCommand(zarn::BuildLaunchCommand(in.raw, in.arguments, in.files), in);
    } catch (const zarn::RuntimeError& e) {
        CheckRefusal(e, in);
    }
    Check(in.files.asked.size() <= 2 * (in.blanks + 1),
          "at most one candidate per blank, and one more, each as typed and with .exe");
    return 0;
}
