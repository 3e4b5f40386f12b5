#pragma once
// A started game, watched until it and every program it started have ended. It answers what
// still runs and waits; the game run decides what to wait for. Ending it releases its handles.

namespace zarn {

// What of the game is looked at or waited for: its own process, or the others of its tree.
enum class GamePart { OwnProcess, Others };

class GameProcess {
public:
    virtual ~GameProcess() = default;
    // Whether the started image is this very program (the same file, not just the same name).
    virtual bool IsThisProgram() = 0;
    // Lets a game that was started suspended run.
    virtual void Resume() = 0;
    // Ends a suspended game that must not run.
    virtual void Discard() = 0;
    // Whether that part still runs, whatever the exit codes (259 included); a game watched
    // alone has no others. Raises a RuntimeError when the game can no longer be watched.
    virtual bool IsRunning(GamePart part) = 0;
    // Starts watching the others, as a wait for them needs: once, when the own process has ended.
    virtual void WatchOthers() = 0;
    // Blocks until that part has ended, or a window message arrives for this thread.
    virtual void WaitForEndOrMessage(GamePart part) = 0;
};

}  // namespace zarn
