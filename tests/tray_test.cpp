#include <gtest/gtest.h>

#include <string>

#include "common/twips.h"
#include "fake/fake_platform.h"
#include "picture.h"
#include "tray/tray_callback.h"
#include "tray/tray_commands.h"

namespace gv {
namespace {

class Tray : public ::testing::Test {
  protected:
    Tray() { fake.images.Add(Pixels{}); }
    // The window's twips per pixel at `dpi`, on both axes.
    float AtDensity(int dpi) {
        fake.window.twipsPerPixel = fake.window.twipsPerPixelY = TwipsPerPixelAt(dpi);
        return fake.window.twipsPerPixel;
    }
    fake::FakePlatform fake;
    Platform platform = fake.Platform();
};

TEST_F(Tray, RecordsCarryExactlyTheirFields) {
    HideToTray(platform, "");
    ModTray(platform, "12:30");
    ShowWnd(platform);
    ASSERT_EQ(fake.shell.sent.size(), 3u);

    const NotifyIconData& add = fake.shell.sent[0].data;
    EXPECT_EQ(fake.shell.sent[0].message, kNimAdd);
    EXPECT_EQ(add.cbSize, 88u);
    EXPECT_EQ(add.hWnd, fake.window.handle);
    EXPECT_EQ(add.uID, 1u);
    EXPECT_EQ(add.uFlags, 7u);
    EXPECT_EQ(add.uCallbackMessage, 512u);
    EXPECT_NE(add.hIcon, 0u);
    EXPECT_EQ(add.szTip, (std::array<char, 64>{}));  // empty tooltip: all zero

    const NotifyIconData& modify = fake.shell.sent[1].data;
    EXPECT_EQ(fake.shell.sent[1].message, kNimModify);
    EXPECT_EQ(modify.uFlags, 6u);
    EXPECT_EQ(modify.uCallbackMessage, 0u);
    EXPECT_EQ(std::string(modify.szTip.data()), "12:30");
    for (std::size_t i = 5; i < 64; ++i) EXPECT_EQ(modify.szTip[i], 0) << i;

    NotifyIconData expectedDelete;
    expectedDelete.cbSize = 88;
    expectedDelete.hWnd = fake.window.handle;
    expectedDelete.uID = 1;
    EXPECT_EQ(fake.shell.sent[2].message, kNimDelete);
    EXPECT_EQ(fake.shell.sent[2].data, expectedDelete);

    // Every icon handed to the shell was destroyed afterwards.
    EXPECT_EQ(fake.images.made, 2);
    EXPECT_EQ(fake.images.destroyed, 2);
}

TEST_F(Tray, TooltipBytesAreCutAtACharacterBoundary) {
    const std::string kanji = "時";  // two bytes in the code page
    struct Case {
        std::string tip;
        std::size_t bytes;  // bytes stored before the terminator
    } cases[] = {
        {std::string(63, 'a'), 63},
        {std::string(64, 'a'), 63},
        {std::string(200, 'a'), 63},
        {test::Repeat(kanji, 31) + "a", 63},
        {test::Repeat(kanji, 32), 62},
        {"a" + test::Repeat(kanji, 32), 63},
        {"", 0},
        {"\xff\xfe", 2},  // stray bytes still advance
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tip.size());
        std::array<char, 64> tip;
        tip.fill('x');
        FillTip(fake.codePage, c.tip, tip);
        EXPECT_EQ(std::string(tip.data()).size(), c.bytes);
        for (std::size_t i = c.bytes; i < 64; ++i) EXPECT_EQ(tip[i], 0) << i;
        // The kept bytes read back as whole characters.
        EXPECT_EQ(fake.codePage.FromAnsi(tip.data()).find("\xEF\xBF\xBD"), std::string::npos);
    }
}

TEST_F(Tray, ShowWndBringsTheWindowUpBeforeRemovingTheIconAndEndsTopmost) {
    HideToTray(platform, "");
    fake.window.minimised = true;
    fake.log.clear();
    ShowWnd(platform);
    EXPECT_EQ(fake.log, (fake::Log{"window normal", "window show", "window shown", "icon delete",
                                   "window focus", "z-order -1"}));
}

TEST_F(Tray, SetZPosModes) {
    struct Case {
        std::int16_t mode;
        std::int32_t result;
        std::optional<std::int32_t> after;
    } cases[] = {{0, 1, kHwndNoTopmost},
                 {1, 1, kHwndTopmost},
                 {2, 1, kHwndTop},
                 {3, 0, std::nullopt},
                 {-1, 0, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        fake.shell.zorder.clear();
        EXPECT_EQ(SetZPos(fake.shell, fake.window.handle, c.mode), c.result);
        if (c.after) {
            ASSERT_EQ(fake.shell.zorder.size(), 1u);
            EXPECT_EQ(fake.shell.zorder[0].after, *c.after);
            EXPECT_EQ(fake.shell.zorder[0].flags, 67u);
        } else {
            EXPECT_TRUE(fake.shell.zorder.empty());
        }
    }
}

TEST_F(Tray, OnlyAButtonReleaseBringsTheWindowUp) {
    struct Case {
        float x;
        float twipsPerPixel;
        bool comesUp;
    } cases[] = {
        // The exact message numbers are decoded at every density below; here what lies between.
        {514 * 15 + 14, 15, true},   {514 * 15 - 1, 15, false}, {158 * 15, 15, false},
        {514 * 15, 0, false},        {-514 * 15, -15, true},    {3e10f, 15, false},
        {-2147483648.0f, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " / " << c.twipsPerPixel);
        fake.shell.icon.reset();
        HideToTray(platform, "");
        fake.window.twipsPerPixel = c.twipsPerPixel;
        Form_MouseMove(platform, 1, 0, c.x, 0);
        EXPECT_EQ(fake.window.visible, c.comesUp);
        EXPECT_EQ(fake.shell.icon.has_value(), !c.comesUp);
    }
}

TEST_F(Tray, WindowGoesToTheWorkAreasCorner) {
    struct Case {
        WorkArea area;
        bool fails;
        float left, top;
    } cases[] = {
        {{0, 0, 1024, 740}, false, 12860, 8300},
        {{200, 30, 1024, 740}, false, 12860, 8300},     // a taskbar on the left or on top
        {{0, 0, 1024, 740}, true, -2500, -2800},        // no work area: out of sight
        {{0, 0, 200000000, 740}, false, -1, 8300 - 1},  // overflow: the rest is not done
    };
    fake.window.width = 2500;
    fake.window.height = 2800;
    for (const Case& c : cases) {
        fake.window.left = fake.window.top = -1;
        fake.shell.workArea = c.area;
        fake.shell.workAreaFails = c.fails;
        GetWrk(platform);
        EXPECT_EQ(fake.window.left, c.left);
        EXPECT_EQ(fake.window.top, c.top == 8300 - 1 ? -1 : c.top);
    }
}

// The densities the program meets: 100 % to 300 %, including those where a pixel is not a
// whole number of twips (168, 192 and 216 DPI).
constexpr int kDensities[] = {96, 120, 144, 168, 192, 216, 240, 288};

TEST_F(Tray, ReleasesDecodeAtEveryDensity) {
    for (int dpi : kDensities) {
        const float twipsPerPixel = AtDensity(dpi);
        for (std::uint32_t message = kWmMouseMove; message <= kWmRButtonUp + 1; ++message) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, message " << message);
            fake.shell.icon.reset();
            HideToTray(platform, "");
            // As the window sends it: the message number times its twips per pixel, in float.
            Form_MouseMove(platform, 0, 0, static_cast<float>(message) * twipsPerPixel, 0);
            const bool release = message == kWmLButtonUp || message == kWmRButtonUp;
            EXPECT_EQ(fake.window.visible, release);
            EXPECT_EQ(fake.shell.icon.has_value(), !release);
        }
    }
}

TEST_F(Tray, TheWholeWindowSitsInTheWorkAreasCornerAtEveryDensity) {
    for (int dpi : kDensities) {
        const float twipsPerPixel = AtDensity(dpi);
        // A screen and a window that grow with the density, the window's size in twips as the
        // window reports it (its pixels times its twips per pixel).
        const int screenWidth = 1024 * dpi / 96, screenHeight = 768 * dpi / 96;
        const int taskbar = 30 * dpi / 96;
        const int width = 167 * dpi / 96 + 1, height = 179 * dpi / 96 + 1;
        fake.window.width = static_cast<float>(width) * twipsPerPixel;
        fake.window.height = static_cast<float>(height) * twipsPerPixel;
        const WorkArea areas[] = {
            {0, 0, screenWidth, screenHeight - taskbar},  // taskbar at the bottom
            {0, taskbar, screenWidth, screenHeight},      // on top
            {-screenWidth, 0, -taskbar, screenHeight},    // a second monitor left of the first
        };
        for (const WorkArea& area : areas) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, area " << area.left << "," << area.top
                                            << "," << area.right << "," << area.bottom);
            fake.shell.workArea = area;
            EXPECT_TRUE(GetWrk(platform));
            // Where the window lands in pixels, converted as the window converts.
            const int left = TwipsToPixels(fake.window.left, twipsPerPixel);
            const int top = TwipsToPixels(fake.window.top, twipsPerPixel);
            EXPECT_EQ(left + width, area.right);
            EXPECT_EQ(top + height, area.bottom);
            EXPECT_GE(left, area.left);
            EXPECT_GE(top, area.top);
        }
    }
}

TEST_F(Tray, TheCornerUsesEachAxisOwnTwips) {
    fake.window.twipsPerPixel = 10;
    fake.window.twipsPerPixelY = 7.5f;
    fake.window.width = 300 * 10;
    fake.window.height = 200 * 7.5f;
    fake.shell.workArea = {0, 0, 1536, 1100};
    GetWrk(platform);
    EXPECT_EQ(TwipsToPixels(fake.window.left, 10), 1536 - 300);
    EXPECT_EQ(TwipsToPixels(fake.window.top, 7.5f), 1100 - 200);
}

TEST_F(Tray, ASecondReleaseWhileUpMovesTheWindowBackAndFindsNoIcon) {
    HideToTray(platform, "");
    Form_MouseMove(platform, 0, 0, 514 * 15, 0);
    fake.window.left = 5;
    Form_MouseMove(platform, 0, 0, 517 * 15, 0);
    EXPECT_EQ(fake.window.left, 1024 * 15 - fake.window.width);
    EXPECT_EQ(fake.shell.sent.back().message, kNimDelete);
    EXPECT_TRUE(fake.window.visible);
}

}  // namespace
}  // namespace gv
