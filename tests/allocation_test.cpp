#include <gtest/gtest.h>

#include <functional>

#include "fake/allocation_counter.h"
#include "fake/lean_platform.h"
#include "render/face.h"
#include "render/refresh.h"
#include "settings/update_timer.h"

namespace gv {
namespace {

long AllocationsDuring(const std::function<void()>& work) {
    const long before = fake::Allocations();
    work();
    return fake::Allocations() - before;
}

TEST(Allocation, DrawingAllocatesNothing) {
    fake::LeanPlatform platform;
    ClockState state;
    state.Pi = kSinglePi;
    state.TipFmt = kDefaultTipFmt;
    Surface surface;
    FaceContext face{state, surface, platform, JapaneseLocale()};
    for (std::int16_t top = -1; top <= 6; ++top) {
        for (std::int16_t bottom : {0, 1, 2, 3, 4, 5}) {
            state.Hyo1 = top;
            state.Hyo2 = bottom;
            EXPECT_EQ(AllocationsDuring([&] { DrawFace(face); }), 0) << top << "/" << bottom;
        }
    }
}

TEST(Allocation, ARefreshAllocatesNothing) {
    fake::LeanPlatform platform;
    ClockState state;
    state.Pi = kSinglePi;
    state.TipFmt = "yyyy年mm月dd日(aaaa) hh:nn:ss ggge年";  // longer than a string keeps in place
    platform.Start(MakeLocalTime(2024, 12, 31, 23, 59));
    state.Hyo1 = 2;
    state.Hyo2 = 5;
    Surface surface;
    const Platform p = platform.Platform();
    Lng(state, surface, p);
    long most = 0;
    for (int i = 0; i < 5000; ++i) {
        platform.Advance(1000);  // through midnight and into a new year
        most = std::max(most, AllocationsDuring([&] { Lng(state, surface, p); }));
    }
    EXPECT_EQ(most, 0);
    EXPECT_NE(platform.last.szTip[0], 0);  // the refresh did reach the tray

    // A tick that does not refresh allocates nothing at all.
    state.TmrSkip = 5;
    state.TmrCnt = 0;
    EXPECT_EQ(AllocationsDuring([&] { Timer1_Timer(state, surface, p); }), 0);
}

}  // namespace
}  // namespace gv
