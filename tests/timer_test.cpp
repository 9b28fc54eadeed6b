#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "settings/update_timer.h"

namespace gv {
namespace {

TEST(UpdateTimer, IntervalTextToTimerAndSkipCount) {
    struct Case {
        const char* text;
        std::int32_t interval;
        std::int32_t skip;
    } cases[] = {
        {"0.5", 500, 0},
        {"0.999", 999, 0},
        {"0.9995", 1000, 1},
        {"1.0", 1000, 1},
        {"1.4", 1000, 1},
        {"1.5", 1000, 2},
        {"2.5", 1000, 2},
        {"3.5", 1000, 4},
        {"60", 1000, 60},
        {"0.0015", 2, 0},
        {"0.0005", 0, 0},
        {"", 0, 0},
        {"abc", 0, 0},
        {"5 秒", 1000, 5},
        {"0.001", 1, 0},
        {"0.9994", 999, 0},
        // Beyond the timer's range: limited to the largest interval it takes.
        {"2147483.647", 1000, 2147484},
        {"2147483.648", 1000, 2147484},
        {"1e400", 1000, 2147484},
        // Negative counts come only from a damaged file: no ticks, like 0.
        {"-5", 0, 0},
        {"-1e400", 0, 0},
    };
    fake::FakePlatform fake;
    const Platform platform = fake.Platform();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ClockState state;
        state.TmrCnt = 3;
        fake.window.interval = c.text;
        SetTmr(state, platform);
        EXPECT_EQ(fake.timer.interval, c.interval);
        EXPECT_EQ(state.TmrSkip, c.skip);
        EXPECT_EQ(state.TmrCnt, 0);
    }
}

TEST(UpdateTimer, RefreshesComeEverySkipPlusOneTicks) {
    struct Case {
        const char* text;
        long long runMs;
        int refreshes;
    } cases[] = {
        {"0.5", 10000, 20}, {"1.0", 10000, 5},     {"2.0", 9000, 3}, {"2.5", 9000, 3},
        {"1.5", 9000, 3},   {"60", 122000, 2},     {"0", 100000, 0}, {"0.001", 1000, 1000},
        {"3.5", 25000, 5},  {"5 words", 12000, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fake::Program program;
        program.fake.window.interval = c.text;
        SetTmr(program.form.State(), program.fake.Platform());
        EXPECT_EQ(program.Run(c.runMs), c.refreshes);
    }
}

}  // namespace
}  // namespace gv
