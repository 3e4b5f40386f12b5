#include "game/game_run_mark.h"

#include <algorithm>

namespace zarn {

namespace {

bool IsNumber(std::string_view text) {
    return !text.empty() && text.size() <= 20 && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
}

}  // namespace

std::string GameRunMark(unsigned long processId, unsigned long long startTime) {
    return std::to_string(processId) + "-" + std::to_string(startTime);
}

std::optional<std::string> GameRunJobName(std::string_view mark) {
    // Only the digits ZarnRes writes: a value of the user's own cannot name another object.
    const auto dash = mark.find('-');
    if (dash == std::string_view::npos || !IsNumber(mark.substr(0, dash)) || !IsNumber(mark.substr(dash + 1)))
        return std::nullopt;
    return "Local\\ZarnRes.GameRun." + std::string(mark);
}

bool StartedInsideGameRun(std::optional<std::string_view> mark,
                          const std::function<bool(const std::string& jobName)>& insideJob) {
    if (!mark) return false;
    const auto job = GameRunJobName(*mark);
    return job && insideJob(*job);
}

}  // namespace zarn
