#pragma once
// One game run: start the game, wait for it (and every program it starts) to end
// while window messages are still handled, then switch the desktop to the stored
// display mode.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "display/modDynamicChange.h"
#include "game/launch_command.h"
#include "runtime/services.h"
#include "startup/settings.h"

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
    // Blocks until a watched process ends or a window message arrives for this thread.
    virtual void WaitForEndOrMessage() = 0;
};

struct StartResult {
    std::unique_ptr<GameProcess> process;  // nullptr when the start failed
    std::uint32_t error = 0;               // then the platform's error code
    std::string errorText;                 // and its own text for it
};

// The platform's error codes that change what a failed start means.
namespace start_error {
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kElevationRequired = 740;
}  // namespace start_error

class GameLauncher : public FileProbe {
public:
    // Starts the game suspended in a normal window with the focus, in a job of
    // ours where the platform allows one, so that its whole process tree is watched.
    virtual StartResult StartSuspended(const LaunchCommand& command) = 0;
    // Starts the game through the shell, which asks the user for administrator
    // rights; the game runs at once and is watched alone.
    virtual StartResult StartThroughShell(const LaunchCommand& command) = 0;
};

struct GameServices {
    GameLauncher& launcher;
    MessagePump& pump;
    SettingsStore& settings;
    DisplayModes& display;
    MessageBoxes& boxes;
};

// Starts the game, running nothing when the path names this very program.
std::unique_ptr<GameProcess> StartGame(const LaunchCommand& command, GameLauncher& launcher);

// The whole run for the game at path (see BuildLaunchCommand) with the argument
// string. Returns whether the desktop was switched to the stored mode.
bool RunShell(std::string_view gamePath, std::string_view arguments, const GameServices& services);

}  // namespace zarn
