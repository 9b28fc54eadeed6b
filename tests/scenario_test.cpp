// The clock on the fake platform, driven by its window's events as a user and the system would.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "features/settings_handlers.h"
#include "features/tray_presence.h"
#include "picture.h"

namespace gv {
namespace {

using fake::Program;
using test::SettingsFile;
using test::Started;
using Lines = std::vector<std::string>;

const std::string kDefaultFile = SettingsFile("1.0", 0, 0, {});

// The lists' items after the first, as the end-to-end runner's ITEMS line has them.
Lines RunnerItems() {
    std::ifstream runner(GV_E2E_RUNNER);
    Lines items;
    for (std::string line; std::getline(runner, line);) {
        if (line.rfind("ITEMS='", 0) != 0) continue;
        std::istringstream texts(line.substr(7, line.rfind('\'') - 7));
        for (std::string item; std::getline(texts, item, '|');) items.push_back(item);
    }
    return items;
}

TEST(Scenario, AFirstRunMeetsTheUserOnTopAtTheCornerWithTheListsAndAppliesAThousandthOrMore) {
    auto p = Started("");
    auto& w = p->fake.window;
    EXPECT_TRUE(w.visible && w.topmost);
    EXPECT_EQ(w.left, 1024 * 15 - w.width);
    EXPECT_EQ(w.top, 740 * 15 - w.height);
    Lines items = RunnerItems();
    ASSERT_FALSE(items.empty());
    items.insert(items.begin(), "アナログ");
    EXPECT_EQ(w.Of(ModeList::Top).items, items);
    items.front() = "なし";
    EXPECT_EQ(w.Of(ModeList::Bottom).items, items);
    // Analog on top greys the bottom list out at none (as the modes from a file show); a digital
    // top row enables it again.
    w.SelectMode(ModeList::Top, 2);
    p->clock.OnTopModeChosen();
    EXPECT_TRUE(w.Of(ModeList::Bottom).enabled);
    EXPECT_EQ(w.Of(ModeList::Bottom).selected, 0);
    // A refused interval leaves the cycle of the start as it was.
    for (const char* refused : {"0.0009", "-5"}) {
        w.interval = refused;
        p->clock.OnApply();
    }
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(p->clock.State().ticks.periodMs, 1000);
    EXPECT_EQ(w.messages, Lines(2, std::string(kIntervalTooShort)));
    w.interval = "0.001秒";
    p->clock.OnApply();
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(p->clock.State().ticks.periodMs, 1);
}

// The events from outside; the locale change brings the same locale again.
void (*const kEvents[])(TrayClock&) = {
    [](TrayClock& c) { c.OnClockChanged(); },
    [](TrayClock& c) { c.OnLocaleChanged(JapaneseLocale()); },
    [](TrayClock& c) { c.OnSystemColoursChanged(); },
    [](TrayClock& c) { EXPECT_FALSE(c.OnSecondStart()); },
};

TEST(Scenario, WithASettingsFileTheClockStartsInTheTrayAndEventsCountOnlyWhileItRuns) {
    Program hidden;  // a hidden file is read, but it is no settings file
    hidden.fake.files.SettingsEntry() = {SettingsFile("2.5", 0, 0), true};
    for (auto event : kEvents) event(hidden.clock);  // before the start: nothing
    EXPECT_TRUE(hidden.fake.area.sent.empty());
    hidden.clock.Start();
    EXPECT_EQ(hidden.fake.window.interval, "2.5");
    EXPECT_TRUE(hidden.fake.window.visible);

    auto p = Started(kDefaultFile);
    EXPECT_STREQ(p->fake.area.icon->tip.data(), "");  // till the cycle's first refresh
    p->fake.window.Close();
    EXPECT_FALSE(p->fake.area.icon);
    const Lines log = p->fake.log.lines;
    for (auto event : kEvents) event(p->clock);  // after the close: nothing
    EXPECT_EQ(p->fake.log.lines, log);
}

TEST(Scenario, TheColourDialogOpensOnTheSlotsColourAndACancelKeepsIt) {
    auto p = Started(SettingsFile("0.5", 5, 0));
    auto& w = p->fake.window;
    const auto slots = test::SlotColours();
    p->Click(kWmLButtonUp);
    w.dialogAnswers = {std::nullopt, 0x00FF00, std::nullopt};
    // clang-format off
    const struct { int swatch; Colour colour; } clicks[] = {
        {3, slots[3]},   // cancelled: as it was
        {0, 0x00FF00},   // confirmed
        {6, slots[6]}};  // cancelled after a confirmation elsewhere: still as it was
    // clang-format on
    for (const auto& c : clicks) {
        p->clock.OnSwatchClicked(c.swatch);
        EXPECT_EQ(p->clock.State().face.colours[c.swatch], c.colour);
        EXPECT_EQ(w.swatches[c.swatch], c.colour);
    }
    p->clock.OnSwatchClicked(8);  // no such swatches: no dialog
    p->clock.OnSwatchClicked(-1);
    EXPECT_EQ(w.dialogOpenedOn, (std::vector<Colour>{slots[3], slots[0], slots[6]}));
}

TEST(Scenario, OnADarkTaskbarAFirstRunIsWhiteAndTheWindowShowsTheFaceOnDark) {
    using S = ThemeFacts::Setting;
    const ThemeFacts dark{S::Present, 0, 10, 19045}, light{S::Missing, 0, 10, 22621};
    const std::array<Colour, 8> white{kWhite, kWhite, kWhite, kWhite,
                                      kWhite, kWhite, kWhite, kWhite};
    // clang-format off
    const struct { const char* name; std::string file; int unreadable; ThemeFacts theme;
                   std::array<Colour, 8> colours; bool backdrop; } cases[] = {
        {"first run, dark", "", 0, dark, white, true},
        {"first run, light", "", 0, light, {}, false},
        {"a file, dark: the user's", SettingsFile("1.0", 0, 0), 0, dark, test::SlotColours(), true},
        {"an unreadable file, dark: black", SettingsFile("1.0", 0, 0), -1, dark, {}, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::Program p;
        if (!c.file.empty()) p.fake.files.SettingsEntry() = {c.file, false, c.unreadable};
        p.fake.theme.facts = c.theme;
        p.clock.Start();
        EXPECT_EQ(p.fake.window.swatches, c.colours);
        EXPECT_EQ(p.fake.window.darkBackdrop, c.backdrop);
        const Pixels& face = p.fake.window.preview;  // the first face is drawn in them
        EXPECT_GT(std::count(face.begin(), face.end(), c.colours[0]), 0);
        if (c.unreadable != 0) continue;
        p.fake.window.Close();
        EXPECT_EQ(p.fake.files.Settings(), SettingsFile("1.0", 0, 0, c.colours));
    }
}

TEST(Scenario, ModesFromTheFileDrawFirstAsReadThenAsTheListsSelectThem) {
    const std::string analog =
        test::Picture(Started(SettingsFile("0.5", 0, 0))->fake.window.preview);
    auto time = [](int row) { return test::Expected(test::Digits("1507", row)); };
    const std::string day = test::Expected(test::Digits("", 0, " 3 2"));  // 2 March
    const struct {
        int top, bottom;
        std::string first, later;  // the face of the start's refresh, and of the next one
        std::int16_t topList, bottomList;
        bool bottomEnabled;
    } cases[] = {
        // -1 selects no item and draws no row, now and later.
        {2, -1, time(0), time(0), 2, -1, true},
        {-1, 3, day, day, -1, 3, true},
        // Other modes outside the lists fall back to the first item.
        {9, -1, test::Expected({}), analog, 0, 0, false},
        {2, 7, time(0), time(4), 2, 0, true},
        // An analog top row takes no bottom row, but the first face draws both (digits at row 0).
        {0, 3, test::Expected(test::Digits("", 0, " 3 2", 0), analog), analog, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.top << ", " << c.bottom);
        auto p = Started(SettingsFile("0.5", c.top, c.bottom));
        EXPECT_EQ(test::Picture(p->fake.area.icon->picture), c.first);
        EXPECT_EQ(p->fake.window.Of(ModeList::Bottom).enabled, c.bottomEnabled);
        p->Run(500);
        EXPECT_EQ(test::Picture(p->fake.area.icon->picture), c.later);
        p->fake.window.interval = "7.5";  // typed, never applied
        p->fake.window.Close();           // what the lists and the box hold is what is saved
        EXPECT_EQ(p->fake.files.Settings(), SettingsFile("7.5", c.topList, c.bottomList));
    }
}

TEST(Scenario, ASecondStartBringsTheWindowUpAsAReleaseOnTheIconWouldOrOnlyToTheFront) {
    auto started = Started(kDefaultFile), clicked = Started(kDefaultFile);
    for (auto* p : {started.get(), clicked.get()}) {
        p->fake.window.left = 40;  // wherever it was when it went into the tray
        p->fake.log.lines.clear();
    }
    EXPECT_TRUE(started->clock.OnSecondStart());
    clicked->Click(kWmRButtonUp);
    EXPECT_EQ(started->fake.log.lines, clicked->fake.log.lines);
    EXPECT_EQ(clicked->fake.log.lines, (Lines{"window normal", "window show", "window shown",
                                              "tray delete", "window focus", "window topmost"}));
    EXPECT_EQ(started->fake.window.left, clicked->fake.window.left);
    EXPECT_EQ(started->fake.files.written, 0);
    for (auto* p : {started.get(), clicked.get()}) EXPECT_EQ(p->Run(4000), 2u);  // ticking, as up
    // Up already: only to the front, where it is.
    started->fake.window.left = 300;
    started->fake.log.lines.clear();
    const std::size_t sent = started->fake.area.sent.size();
    EXPECT_TRUE(started->clock.OnSecondStart());
    EXPECT_EQ(started->fake.window.left, 300);
    EXPECT_EQ(started->fake.area.sent.size(), sent);
    EXPECT_EQ(started->fake.log.lines, (Lines{"window normal", "window show", "window focus"}));
}

TEST(Scenario, AFirstRunSaysOnceWhereTheClockWent) {
    auto apply = [](Program& p) { p.Click(kWmRButtonUp), p.clock.OnApply(); };
    auto refused = [](Program& p) {  // the shell is not ready: the add and what follows fail
        p.fake.area.icon = fake::FakeNotifyArea::Icon{};
        p.clock.OnApply();
        p.fake.area.icon.reset();
    };
    auto retried = [](Program& p) { p.fake.tray.ResendPicture(), p.clock.OnTrayChanged(); };
    const struct {
        const char* what;
        std::string file;
        std::vector<void (*)(Program&)> acts;
        std::size_t notices;
    } rows[] = {
        {"with a file, up and back", kDefaultFile, {apply}, 0},
        {"first run, Apply, up and back, a new taskbar", "", {apply, apply, retried}, 1},
        {"first run, an Apply the tray refuses", "", {refused}, 0},
        {"then a retried add the tray takes", "", {refused, retried, apply}, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        auto p = Started(r.file);
        for (auto act : r.acts) act(*p);
        EXPECT_EQ(p->fake.area.announced,
                  Lines(r.notices, std::string(kAppTitle) + ": " + std::string(kInTrayNotice)));
    }
    // The tray has lost the icon unnoticed: refused, the notice is not tried again.
    fake::FakePlatform fake;
    fake.tray.Add(IconPicture{}, "");
    fake.area.icon.reset();
    fake.tray.Announce("!", "once");
    fake.tray.ResendPicture();
    EXPECT_EQ(fake.area.announced, Lines{"!: once"});
}

}  // namespace
}  // namespace gv
