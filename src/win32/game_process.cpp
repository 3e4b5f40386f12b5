#include "win32/game_process.h"

#include <string>

#include "win32/file_identity.h"
#include "win32/system_error.h"

namespace zarn::win32 {

namespace {

// The program file of a process (this one: GetCurrentProcess()), at any length.
std::wstring ImageOf(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &size))
        throw SystemError(GetLastError(), "Checking the game's program file");
    path.resize(size);
    return path;
}

}  // namespace

Win32GameProcess::~Win32GameProcess() {
    if (thread_) TerminateProcess(process_.get(), 1);
}

bool Win32GameProcess::IsThisProgram() { return SameFile(ImageOf(GetCurrentProcess()), ImageOf(process_.get())); }

void Win32GameProcess::Resume() {
    if (!thread_) return;
    if (ResumeThread(thread_.get()) == static_cast<DWORD>(-1)) throw SystemError(GetLastError(), "Starting the game");
    thread_.reset();
}

void Win32GameProcess::Discard() {
    if (!thread_) return;
    TerminateProcess(process_.get(), 1);
    thread_.reset();
}

bool Win32GameProcess::ProcessHasEnded() {
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) throw SystemError(GetLastError(), "Watching the game");
    if (code != STILL_ACTIVE) return true;
    // A game whose own exit code is 259 has still ended once its handle is signalled.
    const DWORD state = WaitForSingleObject(process_.get(), 0);
    if (state == WAIT_FAILED) throw SystemError(GetLastError(), "Watching the game");
    return state == WAIT_OBJECT_0;
}

bool Win32GameProcess::HasEnded() {
    if (!job_) return ProcessHasEnded();
    return job_->IsEmpty();
}

void Win32GameProcess::WaitForEndOrMessage() {
    std::vector<UniqueHandle> running;
    std::vector<HANDLE> handles;
    if (job_) {
        running = job_->RunningProcesses();
        for (const auto& p : running) handles.push_back(p.get());
    } else {
        handles.push_back(process_.get());
    }
    // With none left to wait for, the job's own report of its end is due any moment.
    const DWORD timeout = handles.empty() ? 50 : INFINITE;
    // MWMO_INPUTAVAILABLE: messages already seen by an earlier PeekMessage also wake the wait.
    const DWORD r = MsgWaitForMultipleObjectsEx(static_cast<DWORD>(handles.size()), handles.data(), timeout,
                                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (r == WAIT_FAILED) throw SystemError(GetLastError(), "Waiting for the game");
}

}  // namespace zarn::win32
