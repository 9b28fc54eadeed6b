// A day of simulated ticks through the timer, the refresh and the tray, at the shortest interval
// and at the default one: the exact number of refreshes, and after every refresh an icon and a
// tooltip that match the simulated clock.
#include <gtest/gtest.h>

#include <string>

#include "common/date_format.h"
#include "fake/lean_platform.h"
#include "picture.h"
#include "settings/update_timer.h"

namespace gv {
namespace {

// The expected face for two rows, 24-hour time over month and day, built from the test's own
// glyph pictures.
Pixels ExpectedFace(const LocalTime& t) {
    const std::string hhnn = FormatDate("hhnn", t, JapaneseLocale());
    const std::string mmdd = FormatDate("mmdd", t, JapaneseLocale());
    std::vector<test::Stamp> stamps = {{hhnn[1] - '0', 4, 0, 'b'},  {hhnn[2] - '0', 9, 0, 'c'},
                                       {hhnn[3] - '0', 13, 0, 'd'}, {mmdd[0] - '0', 0, 9, 'e'},
                                       {mmdd[1] - '0', 4, 9, 'f'},  {mmdd[2] - '0', 9, 9, 'g'},
                                       {mmdd[3] - '0', 13, 9, 'h'}};
    if (hhnn[0] != '0') stamps.push_back({hhnn[0] - '0', 0, 0, 'a'});
    const std::string picture = test::Expected(stamps);
    const auto slots = test::SlotColours();
    Pixels pixels{};
    std::size_t i = 0;
    for (char c : picture) {
        if (c == '\n') continue;
        pixels[i++] = c == '.' ? kButtonFace : slots[static_cast<std::size_t>(c - 'a')];
    }
    return pixels;
}

struct Day {
    long long refreshes = 0;
    long long mismatches = 0;
};

Day RunADay(const char* interval) {
    fake::LeanPlatform platform;
    platform.Start(MakeLocalTime(2024, 12, 31, 12, 0, 0));  // through midnight and a new year
    platform.interval = interval;
    const Platform p = platform.Platform();
    ClockState state;
    state.Pi = kSinglePi;
    state.TipFmt = kDefaultTipFmt;
    state.Hyo1 = kModeTime24;
    state.Hyo2 = kModeMonthDayZero;
    state.Clr = test::SlotColours();
    Surface surface;
    SetTmr(state, p);

    const long long dayMs = 24LL * 3600 * 1000;
    const long long tickMs = platform.timerInterval;
    Day day;
    long long expectedSecond = -1;
    Pixels expectedFace{};
    std::string expectedTip;
    for (long long t = tickMs; t <= dayMs; t += tickMs) {
        platform.Advance(tickMs);
        const long long before = platform.notifications;
        Timer1_Timer(state, surface, p);
        if (platform.notifications == before) continue;
        ++day.refreshes;
        if (platform.elapsedMs / 1000 != expectedSecond) {
            expectedSecond = platform.elapsedMs / 1000;
            expectedFace = ExpectedFace(platform.now);
            expectedTip = FormatDate(kDefaultTipFmt, platform.now, JapaneseLocale());
        }
        if (platform.trayPicture != expectedFace ||
            expectedTip != std::string_view(platform.last.szTip.data())) {
            ++day.mismatches;
        }
    }
    return day;
}

TEST(Soak, ADayAtTheShortestInterval) {
    const Day day = RunADay("0.001");
    EXPECT_EQ(day.refreshes, 86400000);  // every tick refreshes
    EXPECT_EQ(day.mismatches, 0);
}

TEST(Soak, ADayAtTheDefaultInterval) {
    const Day day = RunADay("1.0");
    EXPECT_EQ(day.refreshes, 43200);  // every second tick
    EXPECT_EQ(day.mismatches, 0);
}

}  // namespace
}  // namespace gv
