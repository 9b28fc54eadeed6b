// A sleeping clock shows what a ticking one shows, at every tick of a day with midnight, a new
// year and a clock set forward, at many intervals, phases and tooltips.
#include <gtest/gtest.h>

#include "picture.h"

namespace gv {
namespace {

constexpr long long kDay = 24LL * 3600 * 1000;
constexpr long long kStep = 19 * 3600 * 1000LL + 1234;  // the clock set 37.5 s forward here
constexpr long long kStepBy = 37'500;
const LocalTime kNoon = MakeLocalTime(2024, 12, 31, 12, 0, 0);

// The tooltip: the time to the minute, to the second, or `c` with a time picture without
// seconds, which shows the date alone in the first second of a day and the time from then on.
enum class Tip { Minutes, Seconds, DateAtMidnight };

// What a refresh at wall time `wallMs` past noon shows depends on that time only, down to the
// minute, or the second when the tooltip shows seconds, or the first second of the day.
long long Key(long long wallMs, Tip tip) {
    if (tip == Tip::Seconds) return wallMs / 1000;
    return wallMs / 60'000 * 2 + (tip == Tip::DateAtMidnight && (wallMs + kDay / 2) % kDay < 1000);
}

// `phaseMs`: the monotonic time of the start; the wall clock reads noon at 0.
void ExpectSameAsTicking(const char* interval, long long phaseMs, Tip tip) {
    SCOPED_TRACE(::testing::Message() << interval << " " << phaseMs << " " << int(tip));
    const std::string pattern = tip == Tip::Seconds   ? "hh:nn:ss aaa"
                                : tip == Tip::Minutes ? "yyyy/mm/dd hh:nn aaa"
                                                      : "c";
    static DateLocale noSeconds = JapaneseLocale();
    noSeconds.timePicture = "H:mm";
    fake::Program p;
    if (tip == Tip::DateAtMidnight) p.clock.OnLocaleChanged(noSeconds);
    p.fake.log.quiet = true;
    p.fake.clock.start = kNoon;
    p.fake.clock.elapsedMs = phaseMs;
    p.fake.files.Settings() = pattern + test::SettingsFile(interval, 2, 0).substr(20);
    p.clock.Start();
    const TickCount ticks = p.clock.State().ticks;  // the cycle: nothing but Apply restarts it

    // The sleeping clock: the monotonic time and the key of every refresh it makes.
    std::vector<std::pair<long long, long long>> refreshes;
    std::uint64_t seen = p.fake.Refreshes();
    auto note = [&] {
        if (p.fake.Refreshes() == seen) return;
        seen = p.fake.Refreshes();
        const long long now = p.fake.clock.elapsedMs;
        refreshes.emplace_back(now, Key(now + p.fake.clock.wallOffsetMs, tip));
    };
    p.Run(kStep - p.fake.clock.elapsedMs, note);  // the start took a moment: two reads of the file
    p.fake.clock.wallOffsetMs = kStepBy;
    p.clock.OnClockChanged();
    note();
    p.Run(kDay - kStep, note);

    // The ticking clock: a refresh every `every` from the start, and one at the clock's change.
    const long long t0 = ticks.startMs, period = ticks.periodMs;
    const long long every = period * (ticks.toSkip + 1);
    auto wall = [](long long mono) { return mono + (mono >= kStep ? kStepBy : 0); };
    long long mismatches = 0;
    std::size_t next = 0;
    long long sleepingKey = -1;  // nothing refreshed yet
    for (long long t = t0 + period; t <= kDay; t += period) {
        while (next < refreshes.size() && refreshes[next].first <= t)
            sleepingKey = refreshes[next++].second;
        long long last = t0 + (t - t0) / every * every;
        if (last == t0) last = -1;  // no refresh of the cycle yet
        if (t >= kStep && last < kStep) last = kStep;
        const long long tickingKey = last < 0 ? -1 : Key(wall(last), tip);
        mismatches += tickingKey != sleepingKey;
    }
    EXPECT_EQ(mismatches, 0);
    // The point of sleeping: about one refresh a minute, or a second with seconds shown.
    EXPECT_LE(refreshes.size(),
              static_cast<std::size_t>(tip == Tip::Seconds ? 86'400 + 2 : 1440 + 3));
    // A clock set three hours on without a word from the system is caught at the next wake.
    const long long silent = p.fake.clock.elapsedMs;
    p.fake.clock.wallOffsetMs += 3 * 3600 * 1000LL;
    p.Run(60'000 + every, note);
    EXPECT_GT(refreshes.back().first, silent);
}

TEST(Soak, ASleepingClockShowsWhatATickingOneShowsAtEveryTick) {
    const char* intervals[] = {"0.001", "0.0015", "0.5", "0.999", "1.0", "2.5", "60", "3600"};
    const long long phases[] = {0, 437, 59'999};
    for (const char* interval : intervals)
        for (long long phase : phases)
            for (Tip tip : {Tip::Minutes, Tip::Seconds, Tip::DateAtMidnight})
                ExpectSameAsTicking(interval, phase, tip);
}

}  // namespace
}  // namespace gv
