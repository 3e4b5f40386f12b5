#include "win32/game_process.h"

#include <optional>
#include <string>

#include "win32/system_error.h"

namespace zarn::win32 {

namespace {

struct FileId {
    DWORD volume, high, low;
    bool operator==(const FileId&) const = default;
};

// Volume serial and file index: the same file whatever name or link reaches it.
FileId IdentityOf(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.get(), &info))
        throw SystemError(GetLastError(), "Checking the game's program file");
    return {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::wstring ImageOf(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &size))
        throw SystemError(GetLastError(), "Checking the game's program file");
    path.resize(size);
    return path;
}

}  // namespace

bool GameJob::IsEmpty() {
    DWORD message = 0;
    ULONG_PTR key = 0;
    LPOVERLAPPED overlapped = nullptr;
    while (!empty_ && GetQueuedCompletionStatus(port_.get(), &message, &key, &overlapped, 0))
        if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) empty_ = true;
    if (!empty_) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        if (QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &accounting, sizeof(accounting),
                                      nullptr) &&
            accounting.ActiveProcesses == 0)
            empty_ = true;
    }
    return empty_;
}

std::vector<UniqueHandle> GameJob::RunningProcesses() {
    // The list holds the count, then the ids; room for more ids than one wait can take.
    struct {
        JOBOBJECT_BASIC_PROCESS_ID_LIST head;
        ULONG_PTR more[255];
    } list{};
    list.head.NumberOfAssignedProcesses = 256;
    std::vector<UniqueHandle> running;
    if (!QueryInformationJobObject(job_.get(), JobObjectBasicProcessIdList, &list, sizeof(list), nullptr) &&
        GetLastError() != ERROR_MORE_DATA)
        throw SystemError(GetLastError(), "Watching the game");
    const ULONG_PTR* ids = list.head.ProcessIdList;
    for (DWORD i = 0; i < list.head.NumberOfProcessIdsInList && running.size() < MAXIMUM_WAIT_OBJECTS - 1; ++i) {
        UniqueHandle process(
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(ids[i])));
        if (!process) continue;  // it has just ended
        // The id may already name another process: only ours, and only while it runs.
        BOOL inJob = FALSE;
        if (!IsProcessInJob(process.get(), job_.get(), &inJob) || !inJob) continue;
        if (WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) continue;
        running.push_back(std::move(process));
    }
    return running;
}

Win32GameProcess::~Win32GameProcess() {
    if (thread_) TerminateProcess(process_.get(), 1);
}

bool Win32GameProcess::IsThisProgram() {
    wchar_t own[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, own, static_cast<DWORD>(std::size(own)));
    if (n == 0 || n >= std::size(own)) throw SystemError(GetLastError(), "Checking the game's program file");
    return IdentityOf(std::wstring(own, n)) == IdentityOf(ImageOf(process_.get()));
}

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
