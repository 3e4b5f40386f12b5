#include "win32/game_launcher.h"

#include <windows.h>
#include <shellapi.h>

#include "game/game_run_mark.h"
#include "win32/file_probe.h"
#include "win32/game_job.h"
#include "win32/game_process.h"
#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace zarn::win32 {

#ifndef ERROR_ELEVATION_REQUIRED
#define ERROR_ELEVATION_REQUIRED 740L  // missing from older mingw-w64 headers
#endif

namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

StartError Classify(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return StartError::FileNotFound;
        case ERROR_PATH_NOT_FOUND: return StartError::PathNotFound;
        case ERROR_ELEVATION_REQUIRED: return StartError::ElevationRequired;
        default: return StartError::Other;
    }
}

StartResult Failure(DWORD code) { return {nullptr, Classify(code), SystemText(code)}; }

// A program that exists but lies beyond MAX_PATH is no missing file: the platform
// cannot start it from there.
DWORD ReportedError(DWORD code, const std::wstring& program) {
    const bool notFound = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    if (notFound && program.size() >= MAX_PATH && Win32FileProbe::KindOf(program) == PathKind::File)
        return ERROR_FILENAME_EXCED_RANGE;
    return code;
}

// With the process id, it tells this ZarnRes from any other, now or later.
unsigned long long StartTimeOfThisProgram() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

StartResult Win32GameLauncher::StartSuspended(const LaunchCommand& command) {
    // The game inherits our environment, and with it the mark that names this run's job.
    const GameRunMark mark = MarkOfRun(GetCurrentProcessId(), StartTimeOfThisProgram());
    if (!SetEnvironmentVariableW(Widen(kGameRunMark).c_str(), Widen(mark.value).c_str()))
        return Failure(GetLastError());
    auto job = GameJob::Make(Widen(mark.jobName));
    std::wstring line = Widen(command.commandLine);  // CreateProcessW may write into it
    const std::wstring applicationName = Widen(command.applicationName), folder = Widen(command.directory);

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(OrNull(applicationName), line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        OrNull(folder), &si, &pi))
        return Failure(ReportedError(GetLastError(), Widen(command.program)));
    UniqueHandle process(pi.hProcess);
    UniqueHandle thread(pi.hThread);
    if (job && !job->Hold(process.get())) job.reset();
    return {.process = std::make_unique<Win32GameProcess>(std::move(process), std::move(thread), std::move(job))};
}

StartResult Win32GameLauncher::StartThroughShell(const LaunchCommand& command) {
    const std::wstring program = Widen(command.program), parameters = Widen(command.parameters),
                       folder = Widen(command.directory);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_ ? owner_() : nullptr;  // the prompt opens in front of the dialog, not behind it
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = OrNull(folder);
    info.nShow = SW_SHOWNORMAL;
    // COM first, on this thread, as the shell asks of its callers; it stays until the program ends.
    if (!com_) com_.emplace();
    if (!ZARN_SYSTEM_FUNCTION(Shell32, ShellExecuteExW)(&info)) return Failure(GetLastError());
    if (!info.hProcess) return {nullptr, StartError::Other, "Windows started the game without a process to wait for."};
    return {.process = std::make_unique<Win32GameProcess>(UniqueHandle(info.hProcess), UniqueHandle(), nullptr)};
}

bool Win32GameLauncher::StartedByGameRun() const {
    const std::wstring name = Widen(kGameRunMark);
    std::wstring mark(GetEnvironmentVariableW(name.c_str(), nullptr, 0), L'\0');
    if (mark.empty()) return false;
    mark.resize(GetEnvironmentVariableW(name.c_str(), mark.data(), static_cast<DWORD>(mark.size())));
    return StartedInsideGameRun(Narrow(mark), [](const std::string& jobName) {
        // No such job: its run is over, or it never was one.
        const UniqueHandle job(OpenJobObjectW(JOB_OBJECT_QUERY, FALSE, Widen(jobName).c_str()));
        BOOL inside = FALSE;
        return job && IsProcessInJob(GetCurrentProcess(), job.get(), &inside) && inside;
    });
}

}  // namespace zarn::win32
