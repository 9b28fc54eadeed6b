#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "base/twips.h"
#include "face/face.h"
#include "fake/allocation_counter.h"
#include "features/refresh.h"
#include "features/tray_presence.h"
#include "picture.h"

namespace gv {
namespace {

std::string Names(const std::vector<TrayCommand>& sent, std::size_t from) {
    static const char* const kNames[] = {"add", "modify", "picture", "delete"};
    std::string out;
    for (std::size_t i = from; i < sent.size(); ++i)
        out += (out.empty() ? "" : " ") + std::string(kNames[static_cast<int>(sent[i])]);
    return out;
}

TEST(TrayKeeper, SendsOnlyWhatCouldChangeTheIcon) {
    fake::FakePlatform fake;
    TrayKeeper& keeper = fake.tray;
    const IconPicture a{Pixels{}, kButtonFace};
    IconPicture b = a, otherMask = a, system = a;
    b.pixels[17] = otherMask.pixels[17] = 0xFF;
    otherMask.mask = system.pixels[3] = fake::kButtonText;
    auto modify = [&](const IconPicture& p, const char* tip) {
        return [&keeper, &p, tip] { keeper.Modify(p, tip); };
    };
    auto remove = [&] { keeper.Remove(); };
    auto resend = [&] { keeper.ResendPicture(); };
    // clang-format off
    const struct {
        const char* what;
        std::function<void()> act;
        const char* sent;
        const char* tip;  // what the icon then shows, "-" with no icon
    } steps[] = {
        {"a modify before the add", modify(a, "12:00"), "modify", "-"},
        {"add", [&] { keeper.Add(a, ""); }, "add", ""},
        {"the same as the add", modify(a, ""), "", ""},
        {"a new tooltip", modify(a, "12:00"), "modify", "12:00"},
        {"nothing new", modify(a, "12:00"), "", "12:00"},
        {"one pixel", modify(b, "12:00"), "modify", "12:00"},
        {"the transparent colour", modify(otherMask, "12:00"), "modify", "12:00"},
        {"a system colour", modify(system, "12:00"), "modify", "12:00"},
        {"nothing new", modify(system, "12:00"), "", "12:00"},
        {"the theme changes it", [&] { fake.area.systemShade = 1; keeper.Modify(system, "12:00"); },
         "modify", "12:00"},
        {"a new taskbar that kept the icon", resend, "picture", "12:00"},
        {"nothing is known to be shown", modify(system, ""), "modify", ""},
        {"a new taskbar without it", [&] { fake.area.icon.reset(); keeper.ResendPicture(); },
         "picture add", ""},
        {"nothing new", modify(system, ""), "", ""},
        {"the window comes up", remove, "delete", "-"},
        {"a refresh meanwhile", modify(a, "12:01"), "", "-"},
        {"a new taskbar meanwhile", resend, "", "-"},
        {"a second remove, refused", remove, "delete", "-"},
        {"still up", modify(a, "12:02"), "", "-"},
        {"back in the tray", [&] { keeper.Add(a, ""); }, "add", ""},
        {"a refresh", modify(a, "12:02"), "modify", "12:02"},
        {"up again", remove, "delete", "-"},
        {"an add the tray refuses", [&] { fake.area.icon = fake::FakeNotifyArea::Icon{}; keeper.Add(a, ""); }, "add", ""},
        {"still known to be deleted", modify(a, "12:02"), "", ""},
        {"a new taskbar", resend, "picture", ""},
        {"in the tray again", modify(a, "12:02"), "modify", "12:02"},
        {"gone behind our back", [&] { fake.area.icon.reset(); keeper.Modify(a, "12:03"); },
         "modify", "-"},
        {"refused, so sent again", modify(a, "12:03"), "modify", "-"},
        {"a remove the tray refuses", remove, "delete", "-"},
        {"not known to be deleted", modify(a, "12:04"), "modify", "-"},
    };
    // clang-format on
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const std::size_t before = fake.area.sent.size();
        s.act();
        EXPECT_EQ(Names(fake.area.sent, before), s.sent);
        EXPECT_EQ(fake.area.icon ? std::string(fake.area.icon->tip.data()) : "-", s.tip);
    }
    const TrayCounts& c = keeper.Counts();  // asked, sent, skipped, refused
    EXPECT_EQ((std::array{c.modifiesAsked, c.modifiesSent, c.modifiesSkipped, c.refused}),
              (std::array<std::uint64_t, 4>{19, 15, 7, 8}));
}

TEST(TrayKeeper, TheReleasedButtonsAndTheTooltipCutAtACharacterBoundary) {
    // The callback reports a button only for a release: not for a move, a press, a double click
    // (0x200 to 0x209) or the balloon's news (0x402 to 0x405).
    for (std::uint32_t m = 0x200; m <= 0x405; m = m == 0x209 ? 0x402 : m + 1) {
        const auto button = ReleasedButton(m);
        EXPECT_EQ(button ? int(*button) : -1, m == 0x202 ? 0 : m == 0x205 ? 1 : -1) << m;
    }

    const std::string kanji = "時", wide = "\xF0\xA0\x80\x8B";  // 3 and 4 bytes in UTF-8, 2 here
    const std::pair<std::string, std::size_t> patterns[] = {
        // the pattern, the bytes of its tooltip; a long text is formatted whole, then cut
        {std::string(300, '-'), 63},
        {test::Repeat(kanji, 31) + "-", 63},
        {test::Repeat(kanji, 32) + "-", 62},  // nothing after a character that did not fit
        {"-" + test::Repeat(kanji, 100), 63},
        {"yyyy/mm/dd " + test::Repeat(wide, 80), 63},
        {"dddddd dddddd dddddd dddddd dddddd dddddd", 62},
        {"", 0},
        {"\xff\xfe", 2}};  // stray bytes still advance
    for (const auto& [pattern, bytes] : patterns) {
        SCOPED_TRACE(pattern.substr(0, 24));
        fake::FakePlatform fake;
        ClockState state;
        state.tipPattern = pattern;
        Surface surface;
        fake.tray.Add(TrayPicture(surface), "");
        Refresh(state, surface, fake.Platform());
        const TipBytes& tip = fake.area.icon->tip;
        EXPECT_EQ(std::string(tip.data()).size(), bytes);
        EXPECT_EQ(std::count(tip.begin() + static_cast<long>(bytes), tip.end(), 0),
                  64 - static_cast<long>(bytes));
        EXPECT_EQ(fake.codePage.FromAnsi(tip.data()).find("\xEF\xBF\xBD"), std::string::npos);
        EXPECT_TRUE(fake.area.icon->transparent[0]);  // the background
    }
}

TEST(Presence, BroughtUpTheWindowShowsAtTheWorkAreasCornerAndTheIconGoes) {
    fake::FakePlatform fake;
    const Platform platform = fake.Platform();
    auto& w = fake.window;
    // A work area too tall to reach does not keep the window away, nor from the right edge.
    HideToTray(platform, IconPicture{Pixels{}, kButtonFace});
    w.workArea.bottom = 2000000000;
    BringUpAtCorner(platform);
    EXPECT_TRUE(w.visible);
    EXPECT_FALSE(fake.area.icon);
    EXPECT_EQ(w.left, 1024 * 15 - w.width);

    // The work area, whether it cannot be read; where the window goes (-1: not moved).
    const std::tuple<WorkArea, bool, float, float> cases[] = {
        {{200, 30, 1024, 740}, false, 12860, 8300},  // a taskbar on the left or on top
        {{0, 0, 1024, 740}, true, -2500, -2800},     // no work area: out of sight
        {{0, 0, 200000000, 740}, false, -1, -1},     // overflow: the rest is not done
        {{0, 0, 1024, 2000000000}, false, 12860, -1}};
    w.width = 2500;
    w.height = 2800;
    for (const auto& [area, fails, left, top] : cases) {
        w.left = w.top = -1;
        w.workArea = area;
        w.workAreaFails = fails;
        EXPECT_EQ(MoveToWorkAreaCorner(platform), left != -1 && top != -1);
        EXPECT_EQ(w.left, left);
        EXPECT_EQ(w.top, top);
    }
    // From 100 % to 300 %, some with pixels of fractional twips (168, 216 DPI), on a screen left
    // of the main one: the window ends exactly in the corner.
    for (int dpi = 96; dpi <= 288; dpi += 24) {
        SCOPED_TRACE(dpi);
        w.twipsPerPixel = TwipsPerPixelAt(dpi);
        w.twipsPerPixelY = TwipsPerPixelAt(dpi + 24);
        const int width = 167 * dpi / 96 + 1, height = 179 * (dpi + 24) / 96 + 1;
        w.width = static_cast<float>(width) * w.twipsPerPixel;
        w.height = static_cast<float>(height) * w.twipsPerPixelY;
        w.workArea = {-1024 * dpi / 96, 0, -30 * dpi / 96, 1000 * dpi / 96};
        EXPECT_TRUE(MoveToWorkAreaCorner(platform));
        EXPECT_EQ(PixelsHalfAwayFromZero(w.left, w.twipsPerPixel) + width, w.workArea.right);
        EXPECT_EQ(PixelsHalfAwayFromZero(w.top, w.twipsPerPixelY) + height, w.workArea.bottom);
    }
}

TEST(Allocation, DrawingAndRefreshingAllocateNothing) {
    fake::FakePlatform fake;
    fake.log.quiet = true;
    fake.clock.start = MakeLocalTime(2024, 12, 31, 23, 59);
    ClockState state;
    state.tipPattern =
        "yyyy年mm月dd日(aaaa) hh:nn:ss ggge年";  // longer than a string keeps in place
    Surface surface;
    const LocalTime now = fake.clock.Now();
    FaceContext face{state.face, surface, now, *fake.locale};
    const Platform platform = fake.Platform();
    fake.tray.Add(TrayPicture(surface), "");
    const long before = fake::Allocations();
    for (std::int16_t top = -1; top <= 6; ++top)
        for (std::int16_t bottom = 0; bottom <= 5; ++bottom) {
            state.face = {{}, top, bottom};
            DrawFace(face);
        }
    state.face = {{}, kModeTime24, kModeYear};
    for (int i = 0; i < 5000; ++i) {
        fake.clock.elapsedMs += 1000;  // through midnight and into a new year
        Refresh(state, surface, platform);
    }
    EXPECT_EQ(fake::Allocations() - before, 0);
    EXPECT_GT(fake.tray.Counts().modifiesSent, 4000u);  // the refreshes did reach the tray
}

}  // namespace
}  // namespace gv
