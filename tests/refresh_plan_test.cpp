#include "features/refresh_plan.h"

#include <gtest/gtest.h>

#include <tuple>

namespace gv {
namespace {

TEST(RefreshPlan, WhatTheClockShowsChangesAtTheMinuteOrAtTheSecond) {
    DateLocale noSeconds = JapaneseLocale();  // a time picture without seconds
    noSeconds.timePicture = "H:mm";
    // The tooltip, whether the time picture shows seconds, the time (hhmmss, ms), the wait.
    const std::tuple<const char*, bool, int, int, std::int64_t> cases[] = {
        {"yyyy/mm/dd hh:mm aaa", true, 90010, 0, 50'000},
        {"hh:mm:ss", true, 90010, 250, 750},
        {"\"ss\" ddddd", true, 90010, 0, 50'000},
        {"ttttt", true, 90010, 0, 1'000},
        {"ttttt", false, 90010, 0, 50'000},
        {"c", true, 90010, 0, 1'000},
        // `c` prints the date alone at the very start of a day, and the time from then on.
        {"c", false, 0, 250, 750},
        {"c", false, 1, 0, 59'000},
        {"c", false, 235959, 500, 500},
        {"c", false, 120000, 0, 60'000}};
    ClockState state;
    for (const auto& [pattern, secondsPicture, hhmmss, ms, wait] : cases) {
        state.tipPattern = pattern;
        LocalTime at = MakeLocalTime(2026, 12, 7, hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100);
        at.millisecond = ms;
        const DateLocale& locale = secondsPicture ? JapaneseLocale() : noSeconds;
        for (std::int16_t mode = -1; mode <= 6; ++mode) {  // no row of either list shows seconds
            state.face = {{}, mode, mode};
            ASSERT_EQ(MsToNextChange(state, locale, at), wait)
                << pattern << " " << hhmmss << " " << mode;
        }
    }
}

}  // namespace
}  // namespace gv
