#pragma once
// The job that holds the game and every process it starts. The job itself tells when its last
// process has ended, so a game that guards its processes against being opened is waited for too.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "win32/handles.h"

namespace zarn::win32 {

class GameJob {
public:
    // A new job of ours under name (an unnamed one when the name is taken), or
    // nullptr where no job can be made: then the game is watched alone.
    static std::unique_ptr<GameJob> Make(const std::wstring& name);

    GameJob(UniqueHandle job, UniqueHandle port, UniqueHandle ended)
        : job_(std::move(job)), port_(std::move(port)), ended_(std::move(ended)) {}
    // Stops the watcher and waits for it to end before any handle is closed.
    ~GameJob();
    GameJob(const GameJob&) = delete;
    GameJob& operator=(const GameJob&) = delete;

    // Puts the process into the job; false where it cannot join one (Windows 7,
    // when ZarnRes itself runs in a job).
    bool Hold(HANDLE process);
    // True once no process is left in the job, by the job's own count. Raises a RuntimeError
    // when the job could not be asked, or the watcher failed.
    bool HasEnded() const;
    // Starts the thread that waits for the job's last process to end, then sets EndSignal();
    // asked for only when the game's own process has ended with others left (a rare run).
    void WatchForEnd();
    // Set by the watcher once no process is left in the job, or watching it failed.
    HANDLE EndSignal() const { return ended_.get(); }

private:
    static DWORD WINAPI Watch(void* self);
    DWORD WatchUntilEmpty();

    UniqueHandle job_;
    UniqueHandle port_;
    UniqueHandle ended_;
    UniqueHandle watcher_;
    std::atomic<DWORD> error_{ERROR_SUCCESS};
    std::atomic<bool> stopping_{false};
};

}  // namespace zarn::win32
