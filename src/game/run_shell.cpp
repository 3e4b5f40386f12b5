#include "game/run_shell.h"

#include "runtime/numbers.h"

namespace zarn {

namespace {

void WaitForEnd(GameProcess& game, MessagePump& pump) {
    // Each pass looks at the process, then handles waiting messages; between passes
    // the thread sleeps until the game ends or a message arrives.
    for (;;) {
        const bool ended = game.HasEnded();
        pump.DoEvents();
        if (ended) return;
        game.WaitForEndOrMessage();
    }
}

}  // namespace

void RunShell(std::string commandLine, const GameServices& s) {
    {
        const auto game = s.launcher.Start(commandLine);
        WaitForEnd(*game, s.pump);
    }

    // Read after the game has ended, so a value stored meanwhile is the one used.
    const std::string screenX = GetSetting(s.settings, key::ScreenX);
    const std::string screenY = GetSetting(s.settings, key::ScreenY);
    const std::string bitRes = GetSetting(s.settings, key::BitRes);
    const std::int16_t bits = ToInteger16(bitRes);
    const std::int16_t height = ToInteger16(screenY);
    const std::int16_t width = ToInteger16(screenX);
    ApplyScreenMode(width, height, bits, s.display, s.boxes);
}

}  // namespace zarn
