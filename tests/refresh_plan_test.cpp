#include <gtest/gtest.h>

#include "features/refresh_plan.h"

namespace gv {
namespace {

TEST(RefreshPlan, TheFirstRefreshOfTheCycleAtOrAfterAnInstant) {
    // Interval 2.5 s: 1000 ms ticks, a refresh every third, the cycle started at 500.
    const RefreshCycle cycle{500, 1000, 3};
    struct Case {
        std::int64_t at, refresh;
    } cases[] = {
        {0, 3500},     {500, 3500},   {3499, 3500}, {3500, 3500},
        {3501, 6500},  {6500, 6500},  {6501, 9500}, {60'000, 60'500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at);
        EXPECT_EQ(FirstRefreshAtOrAfter(cycle, c.at), c.refresh);
    }
}

TEST(RefreshPlan, MillisecondsToTheNextChange) {
    struct Case {
        int second, millisecond;
        bool seconds;
        std::int64_t wait;
    } cases[] = {
        {0, 0, false, 60'000}, {0, 1, false, 59'999}, {59, 999, false, 1},
        {30, 500, false, 29'500}, {0, 0, true, 1000}, {59, 999, true, 1}, {12, 250, true, 750},
    };
    for (const Case& c : cases) {
        LocalTime now = MakeLocalTime(2026, 12, 31, 23, 59, c.second);
        now.millisecond = c.millisecond;
        EXPECT_EQ(MsToNextChange(now, c.seconds), c.wait) << c.second << "." << c.millisecond;
    }
}

TEST(RefreshPlan, ThePatternSaysWhetherSecondsShow) {
    struct Case {
        const char* pattern;
        bool seconds;
    } cases[] = {
        {"yyyy/mm/dd hh:mm aaa", false}, {"hh:mm:ss", true}, {"s", true},
        {"ttttt", true},  // the locale's time picture, H:mm:ss
        {"c", true},      {"ddddd", false}, {"\"ss\"", false}, {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShowsSeconds(c.pattern, JapaneseLocale()), c.seconds) << c.pattern;
    }
}

TEST(RefreshPlan, InTheTrayTheClockWakesAtTheFirstRefreshAfterTheMinuteTurns) {
    struct Case {
        const char* what;
        RefreshCycle cycle;
        std::int64_t nowMs;
        int second, millisecond;
        bool seconds;
        std::int64_t wait;
    } cases[] = {
        // "1.0": a refresh every 2 s from 0; at 10.000 s into a minute whose turn is 50 s away.
        {"default", {0, 1000, 2}, 10'000, 10, 0, false, 50'000},
        // The turn falls between two refreshes: the one after it.
        {"between", {0, 1000, 2}, 10'000, 10, 500, false, 50'000},
        {"odd phase", {1, 1000, 2}, 10'001, 10, 0, false, 50'000},
        {"just after", {0, 1000, 2}, 10'000, 59, 999, false, 2'000},
        // 0.001: every millisecond refreshes, so the wake is the turn itself.
        {"fastest", {0, 1, 1}, 12'345, 30, 250, false, 29'750},
        {"seconds", {0, 1, 1}, 12'345, 30, 250, true, 750},
        // 60: a refresh every 61 s; the first after the turn may be a minute later.
        {"long", {0, 1000, 61}, 61'000, 0, 0, false, 61'000},
        {"hourly", {0, 1000, 3601}, 1'000, 0, 0, false, 3'600'000},
    };
    for (const Case& c : cases) {
        LocalTime now = MakeLocalTime(2026, 12, 7, 9, 0, c.second);
        now.millisecond = c.millisecond;
        EXPECT_EQ(MsToNextUsefulRefresh(c.cycle, c.nowMs, now, c.seconds), c.wait) << c.what;
    }
}

}  // namespace
}  // namespace gv
