#include "win32/game_launcher.h"

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <vector>

#include "win32/game_process.h"
#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

#ifndef ERROR_ELEVATION_REQUIRED
#define ERROR_ELEVATION_REQUIRED 740L  // missing from older mingw-w64 headers
#endif

namespace {

StartError Classify(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return StartError::FileNotFound;
        case ERROR_PATH_NOT_FOUND: return StartError::PathNotFound;
        case ERROR_ELEVATION_REQUIRED: return StartError::ElevationRequired;
        default: return StartError::Other;
    }
}

// A path in a form the file APIs take at any length: an absolute path of MAX_PATH
// or more gets the \\?\ prefix, which also turns off the platform's clean-up of
// the path, so '/' becomes '\\' here first.
std::wstring Reachable(const std::string& path) {
    std::wstring wide = Widen(path);
    const bool absolute = wide.size() > 2 && wide[1] == L':' && (wide[2] == L'\\' || wide[2] == L'/');
    if (wide.size() < MAX_PATH || !absolute) return wide;
    for (auto& c : wide)
        if (c == L'/') c = L'\\';
    return L"\\\\?\\" + wide;
}

// The attributes of what the path names, or nothing when it names nothing.
std::optional<DWORD> AttributesOf(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(Reachable(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool NamesFile(const std::string& path) {
    const auto attributes = AttributesOf(path);
    return attributes && !(*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

StartResult Failure(DWORD code) {
    StartResult result;
    result.error = Classify(code);
    result.errorText = SystemText(code);
    return result;
}

// The game's folder as a full path, or "" to keep ours (a bare program name).
std::wstring FullFolder(const std::string& folder) {
    if (folder.empty()) return {};
    const std::wstring wide = Widen(folder);
    const DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0) return wide;  // CreateProcessW reports what is wrong with it
    std::wstring full(n, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), n, full.data(), nullptr);
    full.resize(written < n ? written : 0);
    return full.empty() ? wide : full;
}

// A job of ours that reports to a completion port when its last process has ended.
// No kill-on-close: closing ZarnRes never ends the game. Its one limit lets a
// process that asks to break away (launchers, crash reporters, updaters) start
// outside the job, as it would without ZarnRes; such a process is not waited for.
std::unique_ptr<GameJob> MakeJob() {
    UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    UniqueHandle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!job || !port) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
        return nullptr;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{};
    link.CompletionKey = job.get();
    link.CompletionPort = port.get();
    if (!SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &link, sizeof(link)))
        return nullptr;
    return std::make_unique<GameJob>(std::move(job), std::move(port));
}

}  // namespace

StartResult Win32GameLauncher::StartSuspended(const LaunchCommand& command) {
    // The game inherits our environment, and with it the mark.
    if (!SetEnvironmentVariableW(Widen(kGameRunMark).c_str(), L"1")) return Failure(GetLastError());
    const std::wstring line = Widen(command.commandLine);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into the command line
    const std::wstring application = command.programResolved ? Widen(command.program) : std::wstring();
    const std::wstring folder = FullFolder(command.directory);

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), buffer.data(), nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED, nullptr, folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        const DWORD code = GetLastError();
        // A program that exists but lies beyond MAX_PATH is no missing file: the
        // platform cannot start it from there.
        const bool notFound = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        if (notFound && Widen(command.program).size() >= MAX_PATH && NamesFile(command.program))
            return Failure(ERROR_FILENAME_EXCED_RANGE);
        return Failure(code);
    }
    UniqueHandle process(pi.hProcess);
    UniqueHandle thread(pi.hThread);

    // Where the game cannot join a job (ours runs in one that forbids it), it is watched alone.
    auto job = MakeJob();
    if (job && !AssignProcessToJobObject(job->handle(), process.get())) job.reset();

    StartResult result;
    result.process = std::make_unique<Win32GameProcess>(std::move(process), std::move(thread), std::move(job));
    return result;
}

StartResult Win32GameLauncher::StartThroughShell(const LaunchCommand& command) {
    const std::wstring file = Widen(command.program);
    const std::wstring parameters = Widen(command.parameters);
    const std::wstring folder = FullFolder(command.directory);

    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_ ? owner_() : nullptr;  // the prompt opens in front of the dialog, not behind it
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) return Failure(GetLastError());
    StartResult result;
    if (info.hProcess) {
        result.process = std::make_unique<Win32GameProcess>(UniqueHandle(info.hProcess), UniqueHandle(), nullptr);
    } else {
        result.error = StartError::Other;
        result.errorText = "Windows started the game without a process to wait for.";
    }
    return result;
}

Named Win32GameLauncher::Look(const std::string& path) {
    if (const auto attributes = AttributesOf(path))
        return *attributes & FILE_ATTRIBUTE_DIRECTORY ? Named::Folder : Named::File;
    return NamesFile(path + ".exe") ? Named::FileWithExe : Named::Nothing;
}

}  // namespace zarn::win32
