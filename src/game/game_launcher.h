#pragma once
// Starting the game: suspended in a job of ours, or through the shell for administrator rights.

#include <memory>
#include <string>

#include "game/file_probe.h"
#include "game/game_process.h"
#include "game/launch_command.h"

namespace zarn {

// Why a start failed, as far as the program acts on it.
enum class StartError { None, FileNotFound, PathNotFound, ElevationRequired, Other };

struct StartResult {
    std::unique_ptr<GameProcess> process;  // nullptr when the start failed
    StartError error = StartError::None;
    std::string errorText;  // then the platform's own text for it
};

class GameLauncher : public FileProbe {
public:
    // Starts the game suspended in a normal window with the focus, in a job of
    // ours where the platform allows one, so that its whole process tree is watched.
    virtual StartResult StartSuspended(const LaunchCommand& command) = 0;
    // Starts the game through the shell, which asks the user for administrator
    // rights; the game runs at once and is watched alone.
    virtual StartResult StartThroughShell(const LaunchCommand& command) = 0;
};

}  // namespace zarn
