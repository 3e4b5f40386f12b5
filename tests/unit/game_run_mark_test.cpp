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
    const GameRunMark mark = MarkOfRun(4242, 133790000000000000ULL);
    EXPECT_TRUE(StartedInsideGameRun(mark.value, insideJob(true)));    // inside a live run
    EXPECT_FALSE(StartedInsideGameRun(mark.value, insideJob(false)));  // left the job, or the run is over
    const std::string job = "Local\\ZarnRes.GameRun.4242-133790000000000000";
    EXPECT_EQ(asked, (std::vector<std::string>{job, job}));
    EXPECT_EQ(mark.jobName, job);  // the job the run makes is the one asked about
    EXPECT_TRUE(StartedInsideGameRun(MarkOfRun(4294967295UL, 18446744073709551615ULL).value, insideJob(true)));

    // No mark, or one ZarnRes never writes (the user's own, one that would name another object, 21 digits): not asked.
    EXPECT_FALSE(StartedInsideGameRun(std::nullopt, insideJob(true)));
    for (const char* other :
         {"0", "", "4242-", "-4242-1", "4242-1\\..\\x", "1-123456789012345678901", "123456789012345678901-1"})
        EXPECT_FALSE(StartedInsideGameRun(other, insideJob(true))) << other;
    EXPECT_EQ(asked.size(), 3u);
}

}  // namespace
}  // namespace zarn
