#pragma once
// A started game, watched until it and every program it started have ended.

namespace zarn {

// A started game, watched until it ends. Ending the object releases its handles.
class GameProcess {
public:
    virtual ~GameProcess() = default;
    // Whether the started image is this very program (the same file, not just the same name).
    virtual bool IsThisProgram() = 0;
    // Lets a game that was started suspended run.
    virtual void Resume() = 0;
    // Ends a suspended game that must not run.
    virtual void Discard() = 0;
    // True once the game and every process it started have ended, whatever their
    // exit codes (259 included). Raises a RuntimeError when the game can no longer
    // be watched.
    virtual bool HasEnded() = 0;
    // Blocks until the game and every process it started have ended, or a window
    // message arrives for this thread.
    virtual void WaitForEndOrMessage() = 0;
};

}  // namespace zarn
