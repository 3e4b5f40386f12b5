#pragma once
// A started game: its process, watched alone or with every process it starts through its job.

#include <windows.h>

#include <memory>

#include "game/game_process.h"
#include "win32/game_job.h"
#include "win32/handles.h"

namespace zarn::win32 {

class Win32GameProcess final : public GameProcess {
public:
    // thread: the suspended main thread, or none for a game that already runs.
    // job: where the whole process tree is watched, or none to watch the process alone.
    Win32GameProcess(UniqueHandle process, UniqueHandle thread, std::unique_ptr<GameJob> job)
        : process_(std::move(process)), thread_(std::move(thread)), job_(std::move(job)) {}
    // A game that was never let run does not stay behind, suspended.
    ~Win32GameProcess() override;

    bool IsThisProgram() override;
    void Resume() override;
    void Discard() override;
    bool IsRunning(GamePart part) override;
    void WatchOthers() override;
    void WaitForEndOrMessage(GamePart part) override;

private:
    UniqueHandle process_;
    UniqueHandle thread_;
    std::unique_ptr<GameJob> job_;
};

}  // namespace zarn::win32
