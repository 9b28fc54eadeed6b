#include <gtest/gtest.h>

#include "features/refresh_plan.h"

namespace gv {
namespace {

TEST(RefreshPlan, WhatTheClockShowsChangesAtTheMinuteOrAtTheSecond) {
    DateLocale noSeconds = JapaneseLocale();  // a time picture without seconds
    noSeconds.timePicture = "H:mm";
    const struct {
        const char* pattern;
        const DateLocale& locale;
        int hour, minute, second, millisecond;
        std::int64_t wait;
    } cases[] = {
        {"yyyy/mm/dd hh:mm aaa", JapaneseLocale(), 9, 0, 10, 0, 50'000},
        {"yyyy/mm/dd hh:mm aaa", JapaneseLocale(), 9, 0, 59, 999, 1},
        {"hh:mm:ss", JapaneseLocale(), 9, 0, 10, 250, 750},
        {"s", JapaneseLocale(), 9, 0, 59, 0, 1'000},
        {"\"ss\" ddddd", JapaneseLocale(), 9, 0, 10, 0, 50'000},
        {"", JapaneseLocale(), 9, 0, 10, 0, 50'000},
        {"ttttt", JapaneseLocale(), 9, 0, 10, 0, 1'000},  // H:mm:ss
        {"ttttt", noSeconds, 9, 0, 10, 0, 50'000},
        {"c", JapaneseLocale(), 9, 0, 10, 0, 1'000},
        // `c` prints the date alone at the very start of a day, and the time from then on.
        {"c", noSeconds, 0, 0, 0, 250, 750},
        {"c", noSeconds, 0, 0, 1, 0, 59'000},
        {"c", noSeconds, 23, 59, 59, 500, 500},
        {"c", noSeconds, 12, 0, 0, 0, 60'000},
        {"c", noSeconds, 0, 1, 0, 0, 60'000},
    };
    ClockState state;
    for (const auto& c : cases) {
        LocalTime shown = MakeLocalTime(2026, 12, 7, c.hour, c.minute, c.second);
        shown.millisecond = c.millisecond;
        state.tipPattern = c.pattern;
        // No row of either list shows seconds.
        for (std::int16_t top = -1; top <= 6; ++top) {
            for (std::int16_t bottom = -1; bottom <= 6; ++bottom) {
                state.face.topMode = top;
                state.face.bottomMode = bottom;
                ASSERT_EQ(MsToNextChange(state, c.locale, shown), c.wait)
                    << c.pattern << " at " << c.hour << ":" << c.minute << ":" << c.second
                    << ", modes " << top << " " << bottom;
            }
        }
    }
}

TEST(RefreshPlan, InTheTrayTheClockWakesAtTheFirstRefreshAfterTheMinuteTurns) {
    const struct {
        const char* what;
        TickCount ticks;  // tick period, start, ticks skipped between refreshes
        std::int64_t nowMs;
        int second, millisecond;
        const char* pattern;
        std::int64_t wait;
    } cases[] = {
        // "1.0": a refresh every 2 s; the turn 50 s away falls on one, or between two.
        {"default", {1000, 0, 1}, 10'000, 10, 0, "hh:nn", 50'000},
        {"between", {1000, 0, 1}, 10'000, 10, 500, "hh:nn", 50'000},
        {"odd phase", {1000, 1, 1}, 10'001, 10, 0, "hh:nn", 50'000},
        {"just before the turn", {1000, 0, 1}, 10'000, 59, 999, "hh:nn", 2'000},
        {"on the turn: the next", {1000, 0, 1}, 10'000, 0, 0, "hh:nn", 60'000},
        {"before the first refresh", {1000, 9'000, 1}, 10'000, 59, 999, "hh:nn", 1'000},
        {"fastest", {1, 0, 0}, 12'345, 30, 250, "hh:nn", 29'750},
        {"seconds", {1, 0, 0}, 12'345, 30, 250, "hh:nn:ss", 750},
        {"long", {1000, 0, 60}, 61'000, 0, 0, "hh:nn", 61'000},
        {"hourly", {1000, 0, 3600}, 1'000, 0, 0, "hh:nn", 3'600'000},
    };
    for (const auto& c : cases) {
        ClockState state;
        state.tipPattern = c.pattern;
        state.ticks = c.ticks;
        LocalTime shown = MakeLocalTime(2026, 12, 7, 9, 0, c.second);
        shown.millisecond = c.millisecond;
        EXPECT_EQ(NextUsefulRefreshAt(state, JapaneseLocale(), c.nowMs, shown) - c.nowMs, c.wait)
            << c.what;
    }
}

}  // namespace
}  // namespace gv
