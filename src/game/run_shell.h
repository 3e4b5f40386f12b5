#pragma once
// One game run: start the game, wait for it to end while window messages are still
// handled, then switch the desktop to the stored display mode.

#include <memory>
#include <string>

#include "display/modDynamicChange.h"
#include "runtime/services.h"
#include "startup/settings.h"

namespace zarn {

// A started game, watched until it ends. Ending the object releases the process handle.
class GameProcess {
public:
    virtual ~GameProcess() = default;
    // True once the process has ended, whatever its exit code (259 included).
    // Raises a RuntimeError when the process can no longer be watched.
    virtual bool HasEnded() = 0;
    // Blocks until the process ends or a window message arrives for this thread.
    virtual void WaitForEndOrMessage() = 0;
};

class GameLauncher {
public:
    virtual ~GameLauncher() = default;
    // Starts the command line as a new process in a normal window with the focus.
    // Raises "File not found" (53) when nothing can be started.
    virtual std::unique_ptr<GameProcess> Start(const std::string& commandLine) = 0;
    // Whether the path names an existing file (not a folder).
    virtual bool IsFile(const std::string& path) = 0;
};

struct GameServices {
    GameLauncher& launcher;
    MessagePump& pump;
    SettingsStore& settings;
    DisplayModes& display;
    MessageBoxes& boxes;
};

void RunShell(std::string commandLine, const GameServices& services);

}  // namespace zarn
