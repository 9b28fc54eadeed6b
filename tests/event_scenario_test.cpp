#include <gtest/gtest.h>

#include <functional>

#include "fake/fake_platform.h"
#include "picture.h"

namespace gv {
namespace {

using fake::Program;
using test::SettingsFile;

using test::Started;

std::string Tooltip(Program& p) {
    return p.fake.shell.icon ? p.fake.codePage.FromAnsi(p.fake.shell.icon->Tip()) : "(none)";
}

struct Event {
    const char* name;
    std::function<void(Form1&)> raise;
};

// The events that refresh at once; the locale change here brings the same locale again.
const Event kRefreshEvents[] = {
    {"clock changed", [](Form1& f) { f.ClockChanged(); }},
    {"locale changed", [](Form1& f) { f.LocaleChanged(JapaneseLocale()); }},
};

// An hour between refreshes, the time in 24 hours on top: the icon goes stale at the turn of
// the minute.
const std::string kHourly = SettingsFile("3600", 2, 0);

TEST(EventScenario, AnEventRefreshesAsATimerRefreshWouldAndKeepsTheRhythm) {
    for (const Event& e : kRefreshEvents) {
        for (const bool up : {false, true}) {
            SCOPED_TRACE(testing::Message() << e.name << (up ? ", window up" : ", in the tray"));
            auto p = Started(kHourly);
            if (up) {
                p->Click(kWmLButtonUp);
                p->fake.window.SetLeft(300);  // the user moved it
            }
            p->Run(61000);  // 15:08:01, the face still shows 15:07
            // What a timer refresh draws at the same moment: a twin that refreshes every tick.
            auto twin = Started(SettingsFile("0.5", 2, 0));
            twin->Run(61000);
            ASSERT_NE(p->fake.window.preview, twin->fake.window.preview);
            const long long nextTick = p->fake.timer.nextTick;
            const int before = p->Refreshes();
            const std::size_t sent = p->fake.shell.sent.size();

            e.raise(p->form);

            EXPECT_EQ(p->Refreshes() - before, 1);
            EXPECT_EQ(p->fake.window.preview, twin->fake.window.preview);
            EXPECT_EQ(p->fake.timer.nextTick, nextTick);
            if (up) {
                EXPECT_EQ(p->fake.window.left, 300);
                // The icon is known to be deleted: the modification stops before the shell.
                EXPECT_EQ(p->fake.shell.sent.size(), sent);
                continue;
            }
            EXPECT_EQ(test::Picture(p->fake.shell.icon->picture),
                      test::Picture(twin->fake.shell.icon->picture));
            EXPECT_EQ(p->fake.shell.icon->transparent, twin->fake.shell.icon->transparent);
            EXPECT_EQ(Tooltip(*p), "2002/03/02 15:08 土");
            // The regular refresh still comes on the 3601st tick after the start.
            EXPECT_EQ(p->Run((3600 - 61) * 1000), 0);
            EXPECT_EQ(p->Run(1000), 1);
            EXPECT_EQ(Tooltip(*p), "2002/03/02 16:07 土");
        }
    }
}

TEST(EventScenario, ANewLocaleWritesTheTooltipFromThenOn) {
    auto p = Started(SettingsFile("1", 2, 0));
    p->Run(2000);
    EXPECT_EQ(Tooltip(*p), "2002/03/02 15:07 土");

    DateLocale changed = EnglishLocale();
    changed.dateSeparator = "-";
    changed.timeSeparator = ".";
    p->form.LocaleChanged(changed);
    EXPECT_EQ(Tooltip(*p), "2002-03-02 15.07 Sat");
    p->Run(59000);  // the next regular refreshes go on with it
    EXPECT_EQ(Tooltip(*p), "2002-03-02 15.08 Sat");

    changed = JapaneseLocale();
    changed.dayAbbrev[6] = "(土)";
    p->form.LocaleChanged(changed);
    EXPECT_EQ(Tooltip(*p), "2002/03/02 15:08 (土)");
}

TEST(EventScenario, ALocaleChangedDuringTheLoadIsTheOneTheFirstRefreshUses) {
    Program p;
    p.fake.files.entries[p.fake.files.SettingsPath()].bytes = SettingsFile("1", 2, 0);
    DateLocale changed = JapaneseLocale();
    changed.timeSeparator = "時";
    p.form.LocaleChanged(changed);
    p.form.Form_Load();
    p.Run(2000);
    EXPECT_EQ(Tooltip(p), "2002/03/02 15時07 土");
}

TEST(EventScenario, BeforeTheLoadAndAfterTheUnloadEventsDoNothing) {
    const Event events[] = {
        kRefreshEvents[0],
        kRefreshEvents[1],
        {"second start", [](Form1& f) { EXPECT_FALSE(f.SecondStart()); }},
    };
    for (const Event& e : events) {
        SCOPED_TRACE(e.name);
        Program before;
        before.fake.files.entries[before.fake.files.SettingsPath()].bytes = kHourly;
        e.raise(before.form);
        EXPECT_TRUE(before.fake.log.empty());
        EXPECT_TRUE(before.fake.shell.sent.empty());
        EXPECT_EQ(before.fake.window.preview, Pixels{});

        auto after = Started(kHourly);
        after->Run(61000);
        after->form.Form_QueryUnload();
        const auto log = after->fake.log;
        const std::size_t sent = after->fake.shell.sent.size();
        e.raise(after->form);
        EXPECT_EQ(after->fake.log, log);
        EXPECT_EQ(after->fake.shell.sent.size(), sent);
        EXPECT_FALSE(after->fake.window.visible);
    }
}

TEST(EventScenario, ASecondStartWhileHiddenDoesWhatAReleaseOnTheIconDoes) {
    for (std::uint32_t release : {kWmLButtonUp, kWmRButtonUp}) {
        SCOPED_TRACE(release);
        auto started = Started(kHourly);
        auto clicked = Started(kHourly);
        for (auto* p : {started.get(), clicked.get()}) {
            p->fake.window.SetLeft(40);  // wherever it was when it went into the tray
            p->fake.window.SetTop(50);
            p->fake.log.clear();
        }

        EXPECT_TRUE(started->form.SecondStart());
        clicked->Click(release);

        const auto& w = started->fake.window;
        EXPECT_TRUE(w.visible);
        EXPECT_EQ(started->fake.log, clicked->fake.log);
        EXPECT_EQ(w.left, clicked->fake.window.left);
        EXPECT_EQ(w.top, clicked->fake.window.top);
        EXPECT_EQ(started->fake.files.replaced, 0);
    }
}

TEST(EventScenario, ASecondStartWhileUpOnlyBringsTheWindowToTheFront) {
    struct Case {
        const char* name;
        std::string file;
        bool click;  // brought up from the tray, or up since a first run
    } cases[] = {
        {"first run", "", false},
        {"brought up from the tray", kHourly, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto p = Started(c.file);
        if (c.click) p->Click(kWmLButtonUp);
        ASSERT_TRUE(p->fake.window.visible);
        p->fake.window.SetLeft(300);  // the user moved it
        p->fake.window.SetTop(200);
        const std::size_t sent = p->fake.shell.sent.size();
        p->fake.log.clear();

        EXPECT_TRUE(p->form.SecondStart());

        EXPECT_EQ(p->fake.window.left, 300);
        EXPECT_EQ(p->fake.window.top, 200);
        EXPECT_EQ(p->fake.shell.sent.size(), sent);  // no icon to delete
        EXPECT_EQ(p->fake.log, (fake::Log{"window normal", "window show", "window focus"}));
    }
}

}  // namespace
}  // namespace gv
