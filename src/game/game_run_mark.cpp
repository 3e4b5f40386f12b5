#include "game/game_run_mark.h"

#include <algorithm>

namespace zarn {

namespace {

bool IsNumber(std::string_view text) {
    // 20 digits: the largest 64-bit number (18446744073709551615), the longest MarkOfRun writes.
    return !text.empty() && text.size() <= 20 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string JobNameOf(std::string_view mark) { return "Local\\ZarnRes.GameRun." + std::string(mark); }

}  // namespace

GameRunMark MarkOfRun(unsigned long processId, unsigned long long startTime) {
    const std::string value = std::to_string(processId) + "-" + std::to_string(startTime);
    return {value, JobNameOf(value)};
}

bool StartedInsideGameRun(std::optional<std::string_view> mark,
                          const std::function<bool(const std::string& jobName)>& insideJob) {
    if (!mark) return false;
    // Only the digits ZarnRes writes: a value of the user's own cannot name another object.
    const auto dash = mark->find('-');
    if (dash == std::string_view::npos || !IsNumber(mark->substr(0, dash)) || !IsNumber(mark->substr(dash + 1)))
        return false;
    return insideJob(JobNameOf(*mark));
}

}  // namespace zarn
