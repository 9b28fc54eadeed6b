// The clock asleep in the tray: when it wakes, and how it takes up ticking again.
#include <gtest/gtest.h>

#include <utility>

#include "picture.h"

namespace gv {
namespace {

using fake::Program;
using test::SettingsFile;
using test::Started;
using Instants = std::vector<long long>;

// The instants of the refreshes in the next `ms`, from the start of the refresh cycle.
Instants RefreshesIn(Program& p, long long ms) {
    Instants at;
    std::uint64_t seen = p.fake.Refreshes();
    p.Run(ms, [&] {
        if (p.fake.Refreshes() != std::exchange(seen, p.fake.Refreshes()))
            at.push_back(p.fake.clock.elapsedMs - p.clock.State().ticks.startMs);
    });
    return at;
}

std::string Tooltip(Program& p) { return p.fake.codePage.FromAnsi(p.fake.area.icon->tip.data()); }

// Then an Apply with the same interval starts a new cycle: the tooltip stays as it is for a whole
// cycle, as after the first Apply.
TEST(Sleeping, BackFromTheTrayTheTicksGoOnWhereTickingAllAlongWouldHaveThemTillAnApply) {
    const struct {
        const char* interval;
        long long upAt, first, every;
    } cases[] = {
        {"1.0", 3500, 4000, 2000},  // the tick at 3 s counted, the one at 4 s refreshes
        {"0.5", 1250, 1500, 500},
    };
    for (const auto& c : cases) {
        auto p = Started(SettingsFile(c.interval, 2, 0));
        p->Run(c.upAt);
        p->Click(kWmLButtonUp);
        Instants expected;
        for (long long t = c.first; t <= c.upAt + 4500; t += c.every) expected.push_back(t);
        EXPECT_EQ(RefreshesIn(*p, 4500), expected) << c.interval;
        p->Run(c.every / 4);
        p->clock.OnApply();
        EXPECT_EQ(RefreshesIn(*p, 3 * c.every), Instants{c.every}) << c.interval;  // then asleep
    }
}

TEST(Sleeping, WithNoIntervalTheEventsRedrawAtOnceAndNothingElse) {
    auto p = Started(SettingsFile("0", 2, 0));
    EXPECT_EQ(p->Run(180'000), 0u);
    p->clock.OnClockChanged();
    EXPECT_EQ(Tooltip(*p), "2002/03/02 15:10 土");
    p->clock.OnLocaleChanged(EnglishLocale());
    EXPECT_EQ(Tooltip(*p), "2002/03/02 15:10 Sat");
    p->fake.area.systemShade = 1;
    const std::uint64_t before = p->fake.Refreshes();
    p->clock.OnSystemColoursChanged();
    EXPECT_EQ(p->fake.Refreshes() - before, 1u);
    EXPECT_EQ(p->fake.area.icon->picture[0], kButtonFace + 1);  // the background
    EXPECT_EQ(p->Run(180'000), 0u);
}

TEST(Sleeping, AnEventInTheTrayPlansTheNextWakeAgain) {
    static DateLocale noSeconds = JapaneseLocale();
    noSeconds.timePicture = "H:mm";
    // At 15:07:10, refreshing every 0.5 s, the locale's time in the tooltip: asleep till 15:08.
    auto p = Started("ttttt" + SettingsFile("0.5", 2, 0).substr(20));
    p->clock.OnLocaleChanged(noSeconds);
    p->Run(10'000);
    p->fake.clock.wallOffsetMs = 45'000;  // the clock set on to 15:07:55
    p->clock.OnClockChanged();
    p->Run(5000);
    EXPECT_EQ(Tooltip(*p), "15:08");
    p->clock.OnLocaleChanged(JapaneseLocale());  // seconds in the time: a wake within the second
    p->Run(1000);
    EXPECT_EQ(Tooltip(*p), "15:08:01");
}

TEST(Sleeping, AWakeBeyondTheTimersRangeRefreshesOnlyAtTheCyclesRefresh) {
    constexpr long long kEvery = 2'147'485'000;  // the longest interval: 2147484 ticks skipped
    auto p = Started(SettingsFile("3000000", 2, 0));
    EXPECT_EQ(RefreshesIn(*p, 2 * kEvery), (Instants{kEvery, 2 * kEvery}));
}

}  // namespace
}  // namespace gv
