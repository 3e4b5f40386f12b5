#pragma once
// The mark a game run leaves in the game's environment. It names the run's job, so that a ZarnRes
// that the game starts again (through a script, say) starts nothing (SetupDialog::Load). The
// launcher writes the mark and reads it back (win32/game_launcher.cpp).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// The environment variable that carries the mark.
inline constexpr std::string_view kGameRunMark = "ZARNRES_GAME_RUN";

// A run's mark: the value, "<process id>-<start time>" of the ZarnRes that waits for the
// run, and the name of the job that holds the run's processes. The job lives as long as
// its run: once the run is over the name names nothing.
struct GameRunMark {
    std::string value, jobName;
};
GameRunMark MarkOfRun(unsigned long processId, unsigned long long startTime);

// Whether this program was started inside a run that still goes on: the mark is one
// ZarnRes writes and insideJob(its job's name) finds this program in that job. A program
// that left the job, a start after the run and a value ZarnRes did not set are not.
bool StartedInsideGameRun(std::optional<std::string_view> mark,
                          const std::function<bool(const std::string& jobName)>& insideJob);

}  // namespace zarn
