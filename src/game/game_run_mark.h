#pragma once
// The mark a game run leaves in the game's environment. It names the run, so that
// a ZarnRes that the game starts again (through a script, say) can tell that it
// runs inside that run and start nothing, while any other start goes on as usual.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// The environment variable that carries the mark.
inline constexpr std::string_view kGameRunMark = "ZARNRES_GAME_RUN";

// The mark's value: "<process id>-<start time>" of the ZarnRes that waits for the run.
std::string GameRunMark(unsigned long processId, unsigned long long startTime);

// The name of the job that holds the marked run's processes; nothing for a value
// ZarnRes never sets. The job lives as long as its run: once the run is over the
// name names nothing.
std::optional<std::string> GameRunJobName(std::string_view mark);

// Whether this program was started inside a run that still goes on: the mark names
// a run's job and insideJob(name) finds this program in it. A program that left the
// job, a start after the run and a value ZarnRes did not set are not.
bool StartedInsideGameRun(std::optional<std::string_view> mark,
                          const std::function<bool(const std::string& jobName)>& insideJob);

}  // namespace zarn
