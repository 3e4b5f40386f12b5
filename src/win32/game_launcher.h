#pragma once
// Starts the game with CreateProcessW and watches the process handle it returns.

#include "game/run_shell.h"

namespace zarn::win32 {

class Win32GameLauncher final : public GameLauncher {
public:
    std::unique_ptr<GameProcess> Start(const std::string& commandLine) override;
    bool IsFile(const std::string& path) override;
};

}  // namespace zarn::win32
