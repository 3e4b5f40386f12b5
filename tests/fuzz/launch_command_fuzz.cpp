// Fuzzes BuildLaunchCommand. The input is lines:
//   byte 0      flags: bit 0 puts a long filler before the arguments, so the
//               command-line limit is reached with short inputs; bit 1 turns
//               each '\v' of the path and the arguments into a line feed (a
//               line feed of the input ends the line)
//   line 1      the game path
//   line 2      the arguments
//   lines 3...  the files that exist; "*N" stands for the first N bytes of the
//               path as it is resolved (without the blanks around it, each line
//               end a space) and "*N.exe" for those with ".exe" added, so that
//               the fuzzer reaches resolved paths without having to guess them;
//               a line that starts with '!' names a folder instead
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

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

using zarn::IsBlank;
using zarn::IsPathBlank;
bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }
bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}
bool HoldsSeparator(std::string_view text) { return text.find_first_of("\\/") != std::string_view::npos; }
bool HoldsLineEnd(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// What is resolved and sent of a path: the path without the blanks around it, each
// line end a space.
std::string PathText(std::string_view path) {
    const auto first = std::find_if_not(path.begin(), path.end(), IsPathBlank);
    const auto last = std::find_if_not(path.rbegin(), path.rend(), IsPathBlank).base();
    std::string text(first, std::max(first, last));
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Whether the text after a part's end starts, past its blanks, with a word that
// goes on with the part's folder path: one with a separator that is no option.
bool FolderFollows(std::string_view rest) {
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
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

// The longest leading part of the path text that ends at a blank run or at the end,
// is not followed by more of its folder path, has a name a file system can keep and
// names something (a file, a folder, a file with ".exe"), if one is longer than
// shorterThan.
std::string LongerNamedPart(std::string_view text, std::size_t shorterThan, const Files& files) {
    for (std::size_t end = text.size(); end > shorterThan; --end) {
        if (end < text.size() && !IsBlank(text[end])) continue;
        if (IsBlank(text[end - 1])) continue;
        if (FolderFollows(text.substr(end))) continue;
        const std::string part(text.substr(0, end));
        const auto separator = part.find_last_of("\\/");
        const std::size_t name = separator == std::string::npos ? 0 : separator + 1;
        if (zarn::Utf16Length(std::string_view(part).substr(name)) > zarn::kMaxNameUnits) continue;
        if (files.What(part) != zarn::Named::Nothing) return part;
    }
    return {};
}

// One input: what BuildLaunchCommand was given, and figures read off it directly.
struct Input {
    std::string path;
    std::string text;  // PathText(path)
    std::string arguments;
    Files files;
    bool asTyped = false;
    std::size_t blanks = 0;
    std::size_t lineUnits = 0;  // the command line's UTF-16 units, without its end
};

void CheckRefusal(const zarn::RuntimeError& e, const Input& in) {
    const Files& files = in.files;
    Check(e.number() == zarn::error::kFileNotFound || e.number() == zarn::error::kInvalidCall,
          "only errors 53 and 5 are raised");
    if (in.text.empty()) return Check(e.number() == zarn::error::kFileNotFound, "an empty or blank path is 53");
    if (in.lineUnits + 1 > zarn::kMaxCommandLineUnits) {
        Check(e.number() == zarn::error::kInvalidCall, "an over-long command line is error 5");
        return Check(files.asked.empty(), "an over-long command line is refused before any look-up");
    }
    if (e.number() == zarn::error::kFileNotFound) {
        if (in.asTyped) {
            const std::string_view program = zarn::FirstTokenOf(in.text).text;
            return Check(std::all_of(program.begin(), program.end(), IsBlank),
                         "53 for a path as typed only when its program is blank");
        }
        return Check(LongerNamedPart(in.text, 0, files).empty(), "53 only when no part names anything");
    }
    Check(EndsWith(e.description(), " is a folder, not a program."), "5 within the limit only for a folder");
    Check(!files.asked.empty() && files.What(files.asked.back()) == zarn::Named::Folder,
          "the folder refused is the last part looked up");
    if (!in.asTyped)
        Check(LongerNamedPart(in.text, 0, files) == files.asked.back(),
              "a folder ends the search only as the longest named part");
}

void CheckCommand(const zarn::LaunchCommand& command, const Input& in) {
    const Files& files = in.files;
    const std::string_view text = in.text;
    const std::string& arguments = in.arguments;
    Check(std::set<std::string>(files.asked.begin(), files.asked.end()).size() == files.asked.size(),
          "each part is looked up at most once");
    Check(EndsWith(command.commandLine, " " + arguments), "the command line ends with the arguments");
    Check(!HoldsLineEnd(std::string_view(command.commandLine).substr(0, command.commandLine.size() - arguments.size())),
          "no line end reaches the command line but the player's own");
    Check(EndsWith(command.parameters, " " + arguments), "the parameters end with the arguments");
    Check(EndsWith(command.commandLine, command.parameters), "the parameters are the command line's tail");
    Check(zarn::Utf16Length(command.commandLine) + 1 <= zarn::kMaxCommandLineUnits, "the command line fits");
    Check(StartsWith(command.program, command.directory), "the folder is a leading part of the program");

    if (in.asTyped) {
        Check(command.commandLine == std::string(text) + " " + arguments,
              "a quoted or blank-free path goes out as typed, without the blanks around it");
        Check(!command.programResolved, "a path as typed is not resolved");
        Check(files.asked.size() <= 1, "a path as typed is looked up once at most");
        return Check(files.What(command.program) != zarn::Named::Folder,
                     "a program that names a folder is never started");
    }

    Check(command.programResolved, "an unquoted path with a blank is resolved");
    Check(files.existing.count(command.program) != 0, "the resolved program exists");
    std::string part = command.program;
    if (!StartsWith(text, part)) {
        Check(EndsWith(part, ".exe"), "the program is a leading part of the path, or that with .exe");
        part.resize(part.size() - 4);
    }
    Check(StartsWith(text, part) && !part.empty(), "the program's part leads the path");
    Check(part == command.program || files.What(part) == zarn::Named::FileWithExe,
          ".exe is added only when the part names neither file nor folder");
    const std::string_view rest = text.substr(part.size());
    Check(rest.empty() || IsBlank(rest.front()), "the part ends at a blank or at the end");
    Check(!IsBlank(part.back()), "the part does not end in a blank");
    Check(!FolderFollows(rest), "no more of its folder path follows the program");
    Check(command.commandLine == "\"" + part + "\"" + std::string(rest) + " " + arguments,
          "the rest of the path follows the quoted part unchanged");
    Check(LongerNamedPart(text, part.size(), files).empty(),
          "the longest named part is chosen: a longer folder is never resolved to a shorter file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const auto lineFeeds = [&](std::string_view line) {
        std::string text(line);
        if (data[0] & 2) std::replace(text.begin(), text.end(), '\v', '\n');
        return text;
    };
    Input in;
    in.path = lineFeeds(lines[0]);
    in.text = PathText(in.path);
    if (data[0] & 1) in.arguments.assign(zarn::kMaxCommandLineUnits - 80, 'a');
    if (lines.size() > 1) in.arguments += lineFeeds(lines[1]);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!lines[i].empty() && lines[i][0] == '!')
            in.files.folders.insert(FileEntry(lines[i].substr(1), in.text));
        else
            in.files.existing.insert(FileEntry(lines[i], in.text));
    }
    const std::string_view text = in.text;
    in.asTyped = !text.empty() && (text.front() == '"' || std::none_of(text.begin(), text.end(), IsBlank));
    in.blanks = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsBlank));
    in.lineUnits = zarn::Utf16Length(text) + (in.asTyped ? 0 : 2) + 1 + zarn::Utf16Length(in.arguments);
    try {
        CheckCommand(zarn::BuildLaunchCommand(in.path, in.arguments, in.files), in);
    } catch (const zarn::RuntimeError& e) {
        CheckRefusal(e, in);
    }
    Check(in.files.asked.size() <= in.blanks + 1, "at most one look-up per blank, and one more");
    return 0;
}
