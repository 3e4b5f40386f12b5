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

std::unique_ptr<GameJob> GameJob::Named(const std::wstring& name) {
    UniqueHandle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    if (!port) return nullptr;
    UniqueHandle job = MakeJob(name, port.get());
    UniqueHandle ended(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!job || !ended) return nullptr;
    return std::make_unique<GameJob>(std::move(job), std::move(port), std::move(ended));
}

bool GameJob::HoldsThisProgram(const std::wstring& name) {
    const UniqueHandle job(OpenJobObjectW(JOB_OBJECT_QUERY, FALSE, name.c_str()));
    BOOL inside = FALSE;
    // No such job: its run is over, or it never was one.
    return job && IsProcessInJob(GetCurrentProcess(), job.get(), &inside) && inside;
}

GameJob::~GameJob() {
    if (!watcher_) return;
    // The watcher ends on the stop key; should that not reach it, closing the port
    // ends its wait too (ERROR_ABANDONED_WAIT_0).
    if (!PostQueuedCompletionStatus(port_.get(), 0, kStopKey, nullptr)) port_.reset();
    WaitForSingleObject(watcher_.get(), INFINITE);
}

bool GameJob::Hold(HANDLE process) { return AssignProcessToJobObject(job_.get(), process); }

// Asked once the game's own process has ended: most often nothing it started is left,
// and no watcher is needed.
bool GameJob::HasEnded() {
    if (!watcher_) {
        bool empty = false;
        if (const DWORD error = AskWhetherEmpty(job_.get(), empty)) throw SystemError(error, "Watching the game");
        if (empty) return true;
        watcher_.reset(CreateThread(nullptr, 0, &GameJob::Watch, this, 0, nullptr));
        if (!watcher_) throw SystemError(GetLastError(), "Watching the game");
    }
    if (WaitForSingleObject(ended_.get(), 0) != WAIT_OBJECT_0) return false;
    if (const DWORD error = error_.load()) throw SystemError(error, "Watching the game");
    return true;
}

DWORD WINAPI GameJob::Watch(void* self) { return static_cast<GameJob*>(self)->WatchUntilEmpty(); }

// Runs on a thread of its own: waits for the job's report that its last process
// has ended, checks the job's own count now and then, and signals the end.
DWORD GameJob::WatchUntilEmpty() {
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED overlapped = nullptr;
        if (GetQueuedCompletionStatus(port_.get(), &message, &key, &overlapped, kCheckEveryMs)) {
            if (key == kStopKey) return 0;
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
