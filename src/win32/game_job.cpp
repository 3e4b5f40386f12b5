#include "win32/game_job.h"

#include <algorithm>
#include <cstddef>

#include "win32/system_error.h"

namespace zarn::win32 {

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
        const bool ok =
            QueryInformationJobObject(job, JobObjectBasicProcessIdList, list, static_cast<DWORD>(bytes), nullptr);
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
    if (!SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits))) return nullptr;
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{};
    link.CompletionKey = job.get();
    link.CompletionPort = port.get();
    if (!SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &link, sizeof(link)))
        return nullptr;
    return std::make_unique<GameJob>(std::move(job), std::move(port));
}

}  // namespace

std::unique_ptr<GameJob> GameJob::Holding(HANDLE process) {
    auto job = MakeJob();
    if (job && !AssignProcessToJobObject(job->job_.get(), process)) job.reset();
    return job;
}

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

}  // namespace zarn::win32
