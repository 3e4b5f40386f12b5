#pragma once
// Starts the game with CreateProcessW, or through the shell (ShellExecuteExW).

#include <windows.h>

#include <functional>
#include <optional>

#include "game/game_launcher.h"
#include "win32/com_apartment.h"

namespace zarn::win32 {

class Win32GameLauncher final : public GameLauncher {
public:
    // owner: the dialog window while it exists, else nullptr; the shell's
    // elevation prompt opens in front of it.
    explicit Win32GameLauncher(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    StartResult StartSuspended(const LaunchCommand& command) override;
    StartResult StartThroughShell(const LaunchCommand& command) override;
    bool StartedByGameRun() const override;

private:
    std::function<HWND()> owner_;
    std::optional<ComApartment> com_;
};

}  // namespace zarn::win32
