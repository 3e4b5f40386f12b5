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

bool Win32GameProcess::IsRunning(GamePart part) {
    if (part == GamePart::Others) return job_ && !job_->HasEnded();
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) throw SystemError(GetLastError(), "Watching the game");
    if (code != STILL_ACTIVE) return false;
    // A game whose own exit code is 259 has still ended once its handle is signalled.
    const DWORD state = WaitForSingleObject(process_.get(), 0);
    if (state == WAIT_FAILED) throw SystemError(GetLastError(), "Watching the game");
    return state != WAIT_OBJECT_0;
}

void Win32GameProcess::WatchOthers() {
    if (job_) job_->WatchForEnd();
}

void Win32GameProcess::WaitForEndOrMessage(GamePart part) {
    // The game's process signals its own end, the job's watcher that of the others.
    HANDLE end = part == GamePart::Others && job_ ? job_->EndSignal() : process_.get();
    // MWMO_INPUTAVAILABLE: messages already seen by an earlier PeekMessage also wake the wait.
    if (MsgWaitForMultipleObjectsEx(1, &end, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_FAILED)
        throw SystemError(GetLastError(), "Waiting for the game");
}

}  // namespace zarn::win32
