#include "game/game_run.h"

#include "base/errors.h"
#include "base/shown_path.h"
#include "base/numbers.h"
#include "display/display_switch.h"
#include "game/launch_command.h"
#include "model/settings.h"

namespace zarn {

namespace {

RuntimeError StartFailure(const LaunchCommand& command, const StartResult& result) {
    if (result.error == StartError::FileNotFound || result.error == StartError::PathNotFound)
        return error::FileNotFound();
    std::string text = result.errorText;
    // Some system texts name the file themselves ("%1 is not a valid Win32 application").
    const auto insert = text.find("%1");
    const std::string program = ShownPath(command.program);
    if (insert == std::string::npos) return error::InvalidCall("Cannot start " + program + ": " + text);
    return error::InvalidCall(text.replace(insert, 2, program));
}

// What is left to wait for after a look: the game's own process while it runs, then the others
// of its tree, watched only from when it has ended with some left (most games leave none).
std::optional<GamePart> StillToEnd(GameProcess& game, GamePart waitedFor) {
    if (waitedFor == GamePart::OwnProcess && game.IsRunning(GamePart::OwnProcess)) return GamePart::OwnProcess;
    if (!game.IsRunning(GamePart::Others)) return std::nullopt;
    if (waitedFor == GamePart::OwnProcess) game.WatchOthers();
    return GamePart::Others;
}

// This is the one place where the program waits: the messages handled here run the
// dialog's handlers nested inside the run, which SetupDialog::RunGameWhileBusy keeps
// harmless. The pump drops WM_QUIT: the program ends when its window is gone, not on a
// quit message.
void WaitForEnd(GameProcess& game, MessagePump& pump) {
    for (std::optional<GamePart> left = GamePart::OwnProcess;;) {
        left = StillToEnd(game, *left);
        pump.DispatchPending();
        if (!left) return;
        game.WaitForEndOrMessage(*left);
    }
}

// Starts the game, running nothing when the path names this very program.
std::unique_ptr<GameProcess> StartGame(const LaunchCommand& command, GameLauncher& launcher) {
    StartResult result = launcher.StartSuspended(command);
    const bool throughShell = !result.process && result.error == StartError::ElevationRequired;
    if (throughShell) result = launcher.StartThroughShell(command);
    if (!result.process) throw StartFailure(command, result);
    // No self check after the shell: it starts the game running, and it cannot be ZarnRes,
    // whose manifest never asks for administrator rights.
    if (throughShell) return std::move(result.process);
    if (result.process->IsThisProgram()) {
        result.process->Discard();
        throw error::InvalidCall("The game path points at ZarnRes itself (" + ShownPath(command.program) +
                                 "), which would only start itself again.");
    }
    result.process->Resume();
    return std::move(result.process);
}

}  // namespace

bool RunGameThenSwitchMode(std::string_view gamePath, std::string_view arguments, const GameServices& s) {
    const LaunchCommand command = BuildLaunchCommand(gamePath, arguments, s.files);
    WaitForEnd(*StartGame(command, s.launcher), s.pump);

    // Read after the game has ended, so a value stored meanwhile is the one used.
    const std::string screenX = s.settings.Read(key::kScreenX);
    const std::string screenY = s.settings.Read(key::kScreenY);
    const std::string storedDepth = s.settings.Read(key::kBitRes);
    // Depth first, then height, then width: with more than one unusable value,
    // this order decides which error the user sees.
    const std::int16_t depth = ToInteger16(storedDepth);
    const std::int16_t height = ToInteger16(screenY);
    const std::int16_t width = ToInteger16(screenX);
    return ApplyScreenMode(width, height, depth, s.display, s.boxes);
}

}  // namespace zarn
