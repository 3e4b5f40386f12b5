#include "win32/game_job.h"

#include "win32/system_error.h"

namespace zarn::win32 {

namespace {

// Completion keys: the job's messages, and the one that stops the watcher.
constexpr ULONG_PTR kJobKey = 1;
constexpr ULONG_PTR kStopKey = 2;

// Windows does not promise to deliver every job message to the port, so the
// watcher also asks the job's own count of its processes this often. Only the
// watcher thread wakes for it; the program's window thread sleeps throughout.
constexpr DWORD kCheckEveryMs = 2000;

// Whether the job is empty after holding a process: before the game has joined it is
// empty, but nothing has ended. ERROR_SUCCESS, or why the job could not be asked.
DWORD AskWhetherEmpty(HANDLE job, bool& empty) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION count{};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &count, sizeof(count), nullptr))
        return GetLastError();
    empty = count.TotalProcesses > 0 && count.ActiveProcesses == 0;
    return ERROR_SUCCESS;
}

// A job of ours that reports to a completion port. No kill-on-close: closing
// ZarnRes never ends the game. Its one limit lets a process that asks to break
// away (launchers, crash reporters, updaters) start outside the job, as it would
// without ZarnRes; such a process is not waited for.
UniqueHandle MakeJob(const std::wstring& name, HANDLE port) {
    // A name already taken (by any kind of object) belongs to no run of ours: the job is then
    // unnamed. The error is cleared first: a new job need not clear it.
    SetLastError(ERROR_SUCCESS);
    UniqueHandle job(CreateJobObjectW(nullptr, name.c_str()));
    if (!job || GetLastError() == ERROR_ALREADY_EXISTS) job.reset(CreateJobObjectW(nullptr, nullptr));
    if (!job) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{};
    link.CompletionKey = reinterpret_cast<void*>(kJobKey);
    link.CompletionPort = port;
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits)) ||
        !SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &link, sizeof(link)))
        job.reset();
    return job;
}

}  // namespace

std::unique_ptr<GameJob> GameJob::Make(const std::wstring& name) {
    UniqueHandle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!port) return nullptr;
    UniqueHandle job = MakeJob(name, port.get());
    UniqueHandle ended(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!job || !ended) return nullptr;
    return std::make_unique<GameJob>(std::move(job), std::move(port), std::move(ended));
}

GameJob::~GameJob() {
    if (!watcher_) return;
    // The stop key wakes the watcher at once; should it not reach it, the watcher sees
    // stopping_ at its next look (kCheckEveryMs). The port stays open until it has ended.
    stopping_ = true;
    PostQueuedCompletionStatus(port_.get(), 0, kStopKey, nullptr);
    WaitForSingleObject(watcher_.get(), INFINITE);
}

bool GameJob::Hold(HANDLE process) { return AssignProcessToJobObject(job_.get(), process); }

bool GameJob::HasEnded() const {
    bool empty = false;
    DWORD error = error_.load();  // why the watcher stopped, when it failed
    if (!error) error = AskWhetherEmpty(job_.get(), empty);
    if (error) throw SystemError(error, "Watching the game");
    return empty;
}

void GameJob::WatchForEnd() {
    if (watcher_) return;
    watcher_.reset(CreateThread(nullptr, 0, &GameJob::Watch, this, 0, nullptr));
    if (!watcher_) throw SystemError(GetLastError(), "Watching the game");
}

DWORD WINAPI GameJob::Watch(void* self) { return static_cast<GameJob*>(self)->WatchUntilEmpty(); }

// Runs on a thread of its own: waits for the job's report that its last process
// has ended, checks the job's own count now and then, and signals the end.
DWORD GameJob::WatchUntilEmpty() {
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED overlapped = nullptr;
        const BOOL got = GetQueuedCompletionStatus(port_.get(), &message, &key, &overlapped, kCheckEveryMs);
        if (stopping_ || (got && key == kStopKey)) return 0;
        if (got) {
            // A job the game makes inside ours reports its own end here too: the count decides.
            if (message != JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) continue;
        } else if (GetLastError() != WAIT_TIMEOUT) {
            error_ = GetLastError();
            break;
        }
        bool empty = false;
        if (const DWORD error = AskWhetherEmpty(job_.get(), empty)) error_ = error;
        if (error_ || empty) break;
    }
    SetEvent(ended_.get());
    return 0;
}

}  // namespace zarn::win32
