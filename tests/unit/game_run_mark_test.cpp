#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "game/game_run_mark.h"

namespace zarn {
namespace {

// Only a mark that names a run's job, with this program inside that job, stops a start.
TEST(GameRunMark, OnlyAStartInsideALiveRunsJobIsRefused) {
    const std::string mark = GameRunMark(4242, 133790000000000000ULL);
    const std::string job = "Local\\ZarnRes.GameRun.4242-133790000000000000";
    struct Case {
        const char* what;
        std::optional<std::string> mark;
        std::vector<std::string> jobsHoldingUs;  // live jobs this program runs in
        bool refused;
        bool asked;
    };
    const Case cases[] = {
        {"started inside a live run", mark, {job}, true, true},
        {"left the job, or the run is over", mark, {}, false, true},
        {"inside another run's job", mark, {"Local\\ZarnRes.GameRun.1-2"}, false, true},
        {"no mark", std::nullopt, {job}, false, false},
        {"a mark ZarnRes did not set", "0", {job}, false, false},
        {"empty", "", {job}, false, false},
        {"no start time", "4242-", {job}, false, false},
        {"a value that would name another object", "4242-1\\..\\x", {job}, false, false},
        {"a sign", "-4242-1", {job}, false, false},
        {"too many digits for a number ZarnRes writes", "4242-123456789012345678901", {job}, false, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> asked;
        const bool refused = StartedInsideGameRun(c.mark, [&](const std::string& name) {
            asked.push_back(name);
            return std::find(c.jobsHoldingUs.begin(), c.jobsHoldingUs.end(), name) != c.jobsHoldingUs.end();
        });
        EXPECT_EQ(refused, c.refused) << c.what;
        EXPECT_EQ(asked, c.asked ? std::vector<std::string>{job} : std::vector<std::string>{}) << c.what;
    }
}

}  // namespace
}  // namespace zarn
