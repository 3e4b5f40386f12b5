#pragma once
// The job that holds the game and every process it starts, so that the wait covers
// the whole process tree.

#include <windows.h>

#include <memory>
#include <vector>

#include "win32/handles.h"

namespace zarn::win32 {

class GameJob {
public:
    // A new job of ours holding the process, or nullptr where the process cannot join
    // one (ZarnRes itself runs in a job that forbids it): then it is watched alone.
    static std::unique_ptr<GameJob> Holding(HANDLE process);

    GameJob(UniqueHandle job, UniqueHandle port) : job_(std::move(job)), port_(std::move(port)) {}
    // True once the job has reported that no process is left in it.
    bool IsEmpty();
    // Handles of the processes still running in the job (at most what one wait takes).
    std::vector<UniqueHandle> RunningProcesses();

private:
    UniqueHandle job_;
    UniqueHandle port_;
    bool empty_ = false;
};

}  // namespace zarn::win32
