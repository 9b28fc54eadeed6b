// What a refresh costs the tray: an icon only when the tray is to show something new, and a
// tooltip that reads the same as the whole formatted text would.
#include "render/refresh.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/date_format.h"
#include "fake/fake_platform.h"
#include "picture.h"
#include "tray/tray_commands.h"

namespace gv {
namespace {

TEST(Refresh, AModifyMakesAnIconOnlyWhenTheTrayWouldShowSomethingNew) {
    fake::FakePlatform fake;
    const Platform platform = fake.Platform();
    fake.images.Add(Pixels{});
    fake.images.SetMaskColor(kButtonFace);
    HideToTray(platform, "");
    struct Step {
        const char* what;
        std::function<void()> before;
        const char* tip;
        bool sent;  // an icon was made, handed to the shell and destroyed
    } steps[] = {
        {"the same as the add", [] {}, "", false},
        {"a new tooltip", [] {}, "12:00", true},
        {"nothing new", [] {}, "12:00", false},
        {"one pixel", [&] { fake.images.images[0][17] = 0xFF; }, "12:00", true},
        {"nothing new", [] {}, "12:00", false},
        {"the transparent colour", [&] { fake.images.SetMaskColor(0); }, "12:00", true},
        {"the icon deleted", [&] { ShowWnd(platform); }, "12:01", false},
        {"still deleted", [] {}, "12:02", false},
        {"added again", [&] { HideToTray(platform, ""); }, "12:02", true},
        {"nothing new", [] {}, "12:02", false},
        // Gone without our knowing (the taskbar restarted): the shell refuses the modify, and
        // until a call succeeds again nothing is known to be shown, so each modify is sent.
        {"gone behind our back", [&] { fake.shell.icon.reset(); }, "12:03", true},
        {"still gone", [] {}, "12:03", true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.before();
        const int made = fake.images.made;
        const std::size_t calls = fake.shell.sent.size();
        ModTray(platform, s.tip);
        EXPECT_EQ(fake.images.made - made, s.sent ? 1 : 0);
        ASSERT_EQ(fake.shell.sent.size() - calls, s.sent ? 1u : 0u);
        if (s.sent) {
            EXPECT_EQ(fake.shell.sent.back().message, kNimModify);
        }
        EXPECT_EQ(fake.images.destroyed, fake.images.made);
    }
    ASSERT_FALSE(fake.shell.icon);
}

TEST(Refresh, AMinuteAtTheShortestIntervalMakesAnIconOnlyWhenTheFaceOrTooltipChanges) {
    // At the shortest interval, into the tray with an empty tooltip at 15:07:00.
    const auto started = test::Started(test::SettingsFile("0.001", 2, 0, {}));
    fake::Program& p = *started;
    ASSERT_TRUE(p.fake.shell.icon);
    const int madeAtStart = p.fake.images.made;
    const Pixels face1507 = p.fake.shell.icon->picture;

    EXPECT_EQ(p.Run(60000), 60000);
    // The first refresh brings the tooltip, the one at 15:08:00 the new minute; every other
    // refresh would have shown the same again.
    EXPECT_EQ(p.fake.images.made - madeAtStart, 2);
    EXPECT_EQ(p.fake.shell.modifiesDeclined, 60000 - 2);
    EXPECT_EQ(p.fake.codePage.FromAnsi(p.fake.shell.icon->Tip()), "2002/03/02 15:08 土");
    EXPECT_NE(p.fake.shell.icon->picture, face1507);
    EXPECT_EQ(p.fake.shell.icon->picture, p.fake.window.preview);
}

TEST(Refresh, ALongTooltipIsCutAsTheWholeTextWouldBe) {
    const std::string kanji = "時";               // two bytes in the code page, three in UTF-8
    const std::string wide = "\xF0\xA0\x80\x8B";  // four bytes in UTF-8, two in the code page
    const std::string patterns[] = {
        test::Repeat("-", 300),
        test::Repeat(kanji, 100),
        test::Repeat(wide, 70),
        test::Repeat("\xFF", 100),  // stray bytes, one byte each in the code page
        "yyyy/mm/dd " + test::Repeat(wide, 80),
        "\"" + test::Repeat(kanji, 90) + "\"",
        "dddddd dddddd dddddd dddddd dddddd dddddd",
    };
    for (const std::string& pattern : patterns) {
        SCOPED_TRACE(pattern.substr(0, 24));
        fake::FakePlatform fake;
        const Platform platform = fake.Platform();
        ClockState state;
        state.Pi = kSinglePi;
        state.TipFmt = pattern;
        Surface surface;
        fake.images.Add(Pixels{});
        HideToTray(platform, "");
        Lng(state, surface, platform);
        ASSERT_TRUE(fake.shell.icon);

        std::array<char, 64> whole;
        FillTip(fake.codePage, FormatDate(pattern, fake.clock.Now(), *fake.locale), whole);
        EXPECT_EQ(fake.shell.icon->tip, whole);
        EXPECT_GT(std::string(whole.data()).size(), 60u);
    }
}

}  // namespace
}  // namespace gv
