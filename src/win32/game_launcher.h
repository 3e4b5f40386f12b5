#pragma once
// Starts the game with CreateProcessW, suspended and inside a job object of ours,
// and watches every process in that job; or through the shell when the game asks
// for administrator rights.

#include "base/services.h"

namespace zarn::win32 {

class Win32GameLauncher final : public GameLauncher {
public:
    StartResult StartSuspended(const LaunchCommand& command) override;
    StartResult StartThroughShell(const LaunchCommand& command) override;
    bool IsFile(const std::string& path) override;
};

}  // namespace zarn::win32
