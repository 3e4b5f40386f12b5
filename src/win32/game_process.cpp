#include "win32/game_process.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include "win32/system_error.h"

namespace zarn::win32 {

namespace {

// FILE_ID_INFO and its class value, declared here because the headers show them
// only to builds for Windows 8 and later; older systems answer the call with an error.
constexpr auto kFileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInfo128 {
    ULONGLONG volumeSerial;
    BYTE id[16];
};

// Who a file is, whatever name or link reaches it: the volume serial with the
// 128-bit file id, which every file system keeps unique (ReFS included), or with
// the 64-bit file index where the system has no 128-bit id.
struct FileIdentity {
    bool wide = false;
    ULONGLONG volume = 0;
    BYTE id[16]{};
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) throw SystemError(GetLastError(), "Checking the game's program file");
    FileIdentity identity;
    // A file system without 128-bit ids answers with an id of 0, which must be ignored.
    FileIdInfo128 wide{};
    static constexpr BYTE kNoId[16]{};
    if (GetFileInformationByHandleEx(file.get(), kFileIdInfoClass, &wide, sizeof(wide)) &&
        std::memcmp(wide.id, kNoId, sizeof(kNoId)) != 0) {
        identity.wide = true;
        identity.volume = wide.volumeSerial;
        std::memcpy(identity.id, wide.id, sizeof(identity.id));
        return identity;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info))
        throw SystemError(GetLastError(), "Checking the game's program file");
    identity.volume = info.dwVolumeSerialNumber;
    std::memcpy(identity.id, &info.nFileIndexLow, sizeof(DWORD));
    std::memcpy(identity.id + sizeof(DWORD), &info.nFileIndexHigh, sizeof(DWORD));
    return identity;
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

namespace {

// The ids of every process in the job. The list is read whole: when it does not
// fit (ERROR_MORE_DATA, or fewer ids than processes), the buffer grows and the
// question is asked again.
std::vector<ULONG_PTR> ProcessIdsOf(HANDLE job) {
    std::size_t room = 64;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::size_t bytes = offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList) + room * sizeof(ULONG_PTR);
        std::vector<ULONG_PTR> buffer(bytes / sizeof(ULONG_PTR) + 1);
        auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
        const bool ok = QueryInformationJobObject(job, JobObjectBasicProcessIdList, list, static_cast<DWORD>(bytes),
                                                  nullptr);
        if (!ok && GetLastError() != ERROR_MORE_DATA) throw SystemError(GetLastError(), "Watching the game");
        const std::size_t listed = std::min<std::size_t>(list->NumberOfProcessIdsInList, room);
        if (ok && listed >= list->NumberOfAssignedProcesses)
            return std::vector<ULONG_PTR>(list->ProcessIdList, list->ProcessIdList + listed);
        // Room for what is assigned now, and for a few more started meanwhile.
        room = std::max<std::size_t>(room * 2, list->NumberOfAssignedProcesses + 16);
    }
    throw SystemError(ERROR_MORE_DATA, "Watching the game");
}

// A handle that can wait for the process and ask whether it is in our job.
// IsProcessInJob needs PROCESS_QUERY_INFORMATION on some systems (Wine refuses
// the limited right), so that is asked for first.
UniqueHandle OpenForWaiting(DWORD id) {
    UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id));
    if (!process && GetLastError() == ERROR_ACCESS_DENIED)
        process.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    return process;
}

}  // namespace

std::vector<UniqueHandle> GameJob::RunningProcesses() {
    std::vector<UniqueHandle> running;
    for (const ULONG_PTR id : ProcessIdsOf(job_.get())) {
        if (running.size() == MAXIMUM_WAIT_OBJECTS - 1) break;  // one wait takes no more; the rest on the next pass
        UniqueHandle process = OpenForWaiting(static_cast<DWORD>(id));
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
