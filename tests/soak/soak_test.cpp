// A simulated day of ticks through the clock, the tray keeper and the notification area, at the
// shortest interval and at the default one: the exact number of refreshes and of commands sent,
// and after every refresh an icon and a tooltip that match the simulated clock.
#include <gtest/gtest.h>

#include "picture.h"
#include "time/date_format.h"

namespace gv {
namespace {

// Two rows, 24-hour time over month and day with zeros, from the test's own glyph pictures.
Pixels ExpectedFace(const LocalTime& t) {
    std::string hhnn, mmdd;
    StringSink top(hhnn), bottom(mmdd);
    FormatDate("hhnn", t, JapaneseLocale(), top);
    FormatDate("mmdd", t, JapaneseLocale(), bottom);
    if (hhnn[0] == '0') hhnn[0] = ' ';  // no leading zero on the hour
    Pixels pixels{};
    std::size_t i = 0;
    for (char c : test::Expected(test::Digits(hhnn, 0, mmdd)))
        if (c != '\n') pixels[i++] = c == '.' ? kButtonFace : test::SlotColours()[c - 'a'];
    return pixels;
}

void ExpectADay(const char* interval, std::uint64_t refreshes) {
    fake::Program p;
    p.fake.log.quiet = true;
    p.fake.clock.start = MakeLocalTime(2024, 12, 31, 12, 0, 0);  // through midnight and a new year
    p.fake.files.Settings() = test::SettingsFile(interval, kModeTime24, kModeMonthDayZero);
    p.clock.Start();
    ASSERT_TRUE(p.fake.area.icon);

    long long second = -1, mismatches = 0;
    Pixels face{};
    TipBytes tip{};
    std::uint64_t seen = p.fake.Refreshes();
    const std::uint64_t done = p.Run(24LL * 3600 * 1000, [&] {
        if (p.fake.Refreshes() == seen) return;
        seen = p.fake.Refreshes();
        if (p.fake.clock.elapsedMs / 1000 != second) {
            second = p.fake.clock.elapsedMs / 1000;
            const LocalTime now = p.fake.clock.Now();
            face = ExpectedFace(now);
            std::string text;
            StringSink sink(text);
            FormatDate(kDefaultTipPattern, now, JapaneseLocale(), sink);
            tip = EncodeTip(p.fake.codePage, text);
        }
        mismatches += p.fake.area.icon->picture != face || p.fake.area.icon->tip != tip;
    });
    EXPECT_EQ(done, refreshes);
    EXPECT_EQ(mismatches, 0);
    // Sent: the start's refresh (refused: the icon was not added yet), the first tooltip, and
    // one a minute; every other refresh would have shown the same again.
    EXPECT_EQ(p.fake.tray.Counts().modifiesSent, 2u + 24 * 60);
}

TEST(Soak, ADayAtTheShortestInterval) { ExpectADay("0.001", 86400000); }

TEST(Soak, ADayAtTheDefaultInterval) { ExpectADay("1.0", 43200); }  // every second tick

}  // namespace
}  // namespace gv
