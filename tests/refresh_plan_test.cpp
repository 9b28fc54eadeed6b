#include <gtest/gtest.h>

#include "features/refresh_plan.h"

namespace gv {
namespace {

TEST(RefreshPlan, ThePatternSaysWhetherSecondsShow) {
    const std::pair<const char*, bool> cases[] = {
        {"yyyy/mm/dd hh:mm aaa", false}, {"hh:mm:ss", true}, {"s", true},  {"c", true},
        {"ttttt", true},  // the locale's time picture, H:mm:ss
        {"ddddd", false}, {"\"ss\"", false}, {"", false}};
    for (const auto& [pattern, seconds] : cases)
        EXPECT_EQ(ShowsSeconds(pattern, JapaneseLocale()), seconds) << pattern;
}

TEST(RefreshPlan, InTheTrayTheClockWakesAtTheFirstRefreshAfterTheMinuteTurns) {
    const struct {
        const char* what;
        RefreshCycle cycle;  // start, tick period, ticks per refresh
        std::int64_t nowMs;
        int second, millisecond;
        bool seconds;
        std::int64_t wait;
    } cases[] = {
        // "1.0": a refresh every 2 s; the turn 50 s away falls on one, or between two.
        {"default", {0, 1000, 2}, 10'000, 10, 0, false, 50'000},
        {"between", {0, 1000, 2}, 10'000, 10, 500, false, 50'000},
        {"odd phase", {1, 1000, 2}, 10'001, 10, 0, false, 50'000},
        {"just before the turn", {0, 1000, 2}, 10'000, 59, 999, false, 2'000},
        {"on the turn: the next", {0, 1000, 2}, 10'000, 0, 0, false, 60'000},
        {"before the first refresh", {9'000, 1000, 2}, 10'000, 59, 999, false, 1'000},
        {"fastest", {0, 1, 1}, 12'345, 30, 250, false, 29'750},
        {"seconds", {0, 1, 1}, 12'345, 30, 250, true, 750},
        {"long", {0, 1000, 61}, 61'000, 0, 0, false, 61'000},
        {"hourly", {0, 1000, 3601}, 1'000, 0, 0, false, 3'600'000},
    };
    for (const auto& c : cases) {
        LocalTime now = MakeLocalTime(2026, 12, 7, 9, 0, c.second);
        now.millisecond = c.millisecond;
        EXPECT_EQ(MsToNextUsefulRefresh(c.cycle, c.nowMs, now, c.seconds), c.wait) << c.what;
    }
}

}  // namespace
}  // namespace gv
