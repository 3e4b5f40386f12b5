#pragma once
// Starting the game: suspended in a job of ours, or through the shell for administrator rights.

#include <memory>
#include <string>

#include "game/game_process.h"
#include "game/launch_command.h"

namespace zarn {

// Why a start failed, as far as the program acts on it.
enum class StartError { None, FileNotFound, PathNotFound, ElevationRequired, Other };

struct StartResult {
    std::unique_ptr<GameProcess> process;  // nullptr when the start failed
    StartError error = StartError::None;
    std::string errorText{};  // then the platform's own text for it
};

class GameLauncher {
public:
    virtual ~GameLauncher() = default;
    // Starts the game suspended in a normal window with the focus, in a job of ours
    // where the platform allows one, so that its whole process tree is watched; its
    // environment carries the mark that names the run (game_run_mark.h).
    virtual StartResult StartSuspended(const LaunchCommand& command) = 0;
    // Starts the game through the shell, which asks the user for administrator
    // rights; the game runs at once and is watched alone. The mark does not reach an
    // elevated game: Windows gives it an environment of its own.
    virtual StartResult StartThroughShell(const LaunchCommand& command) = 0;
    // Whether the game of a run that still goes on started this program (StartedInsideGameRun).
    virtual bool StartedByGameRun() const = 0;
};

}  // namespace zarn
