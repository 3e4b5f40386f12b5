#pragma once
// One game run: start the game, wait for it (and every program it starts) to end
// while window messages are still handled, then switch the desktop to the stored
// display mode.

#include <string_view>

#include "base/message_boxes.h"
#include "base/message_pump.h"
#include "display/display_modes.h"
#include "game/file_probe.h"
#include "game/game_launcher.h"
#include "model/settings_store.h"

namespace zarn {

struct GameServices {
    FileProbe& files;
    GameLauncher& launcher;
    MessagePump& pump;
    SettingsStore& settings;
    DisplayModes& display;
    MessageBoxes& boxes;
};

// The whole run for the game at path (see BuildLaunchCommand) with the argument
// string. Returns whether the desktop was switched to the stored mode.
bool RunGameThenSwitchMode(std::string_view gamePath, std::string_view arguments, const GameServices& services);

}  // namespace zarn
