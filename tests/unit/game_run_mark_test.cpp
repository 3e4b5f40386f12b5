#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/game_run_mark.h"

namespace zarn {
namespace {

// Only a mark that names a run's job, with this program inside that very job, stops a start.
TEST(GameRunMark, OnlyAStartInsideALiveRunsJobIsRefused) {
    std::vector<std::string> asked;
    const auto insideJob = [&](bool inside) {
        return [&asked, inside](const std::string& job) {
            asked.push_back(job);
            return inside;
        };
    };
    const std::string mark = GameRunMark(4242, 133790000000000000ULL);
    EXPECT_TRUE(StartedInsideGameRun(mark, insideJob(true)));    // inside a live run
    EXPECT_FALSE(StartedInsideGameRun(mark, insideJob(false)));  // left the job, or the run is over
    const std::string job = "Local\\ZarnRes.GameRun.4242-133790000000000000";
    EXPECT_EQ(asked, (std::vector<std::string>{job, job}));

    // No mark, or one ZarnRes never writes (the user's own, or one that would name another object): not asked.
    EXPECT_FALSE(StartedInsideGameRun(std::nullopt, insideJob(true)));
    for (const char* other : {"0", "", "4242-", "-4242-1", "4242-1\\..\\x", "1-123456789012345678901"})
        EXPECT_FALSE(StartedInsideGameRun(other, insideJob(true))) << other;
    EXPECT_EQ(asked.size(), 2u);
}

}  // namespace
}  // namespace zarn
