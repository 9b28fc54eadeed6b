#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/form1.h"
#include "render/face.h"
#include "render/refresh.h"
#include "settings/update_timer.h"

// Counts every allocation of the test program, so that a test can see how many a piece of code
// makes. Counting costs nothing the other tests would notice.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace gv {
namespace {

long AllocationsDuring(const std::function<void()>& work) {
    const long before = g_allocations.load();
    work();
    return g_allocations.load() - before;
}

// A platform that records nothing, so that only the program's own allocations are counted.
struct QuietPlatform final : Window, Shell, ImageList, Timer, Clock, FileSystem, CodePage {
    WindowHandle Handle() const override { return 1; }
    void SetVisible(bool) override {}
    void RestoreNormal() override {}
    void Show() override {}
    void SetFocus() override {}
    float Width() const override { return 2505; }
    float Height() const override { return 2685; }
    void SetLeft(float) override {}
    void SetTop(float) override {}
    float TwipsPerPixelX() const override { return 15; }
    void AddComboItem(ComboId, std::string_view) override {}
    void SelectComboIndex(ComboId, std::int16_t) override {}
    std::int16_t ComboIndex(ComboId) const override { return 0; }
    void EnableCombo(ComboId, bool) override {}
    std::string IntervalText() const override { return "0.001"; }
    void SetIntervalText(std::string_view) override {}
    void SetSwatchColour(int, Colour) override {}
    void ShowPreview(const Pixels& face) override { preview = face; }
    void ShowMessage(std::string_view) override {}
    void ShowColorDialog() override {}
    Colour ColorDialogColour() const override { return 0; }
    bool NotifyIcon(std::uint32_t, const NotifyIconData& data) override {
        last = data;
        return true;
    }
    std::int32_t SetWindowPos(WindowHandle, std::int32_t, std::uint32_t) override { return 1; }
    bool GetWorkArea(WorkArea&) override { return false; }
    void Clear() override {}
    void SetBackColor(Colour) override {}
    void Add(const Pixels& picture) override { image = picture; }
    void SetMaskColor(Colour) override {}
    IconHandle MakeIcon() override { return 7; }
    void DestroyIcon(IconHandle) override {}
    void SetInterval(std::int32_t) override {}
    LocalTime Now() override { return AddSeconds(MakeLocalTime(2024, 12, 31, 23, 59), ++reads); }
    std::string ExecutableDirectory() override { return "C:\\x"; }
    bool IsOrdinaryFile(std::string_view) override { return true; }
    std::unique_ptr<InputFile> OpenForReading(std::string_view) override { return nullptr; }
    bool ReplaceFile(std::string_view, std::string_view) override { return true; }
    void ToAnsi(std::string_view utf8, std::string& out) override { out.append(utf8); }
    std::string FromAnsi(std::string_view bytes) override { return std::string(bytes); }

    gv::Platform Platform() {
        return gv::Platform{*this, *this, *this, *this, *this, JapaneseLocale(), *this, *this};
    }
    Pixels preview{}, image{};
    NotifyIconData last;
    long long reads = 0;
};

TEST(Allocation, DrawingAllocatesNothing) {
    QuietPlatform platform;
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

TEST(Allocation, ARefreshMakesAFewAllocationsHoweverManyCameBefore) {
    QuietPlatform platform;
    ClockState state;
    state.Pi = kSinglePi;
    state.TipFmt = "yyyy年mm月dd日(aaaa) hh:nn:ss ggge年";  // longer than fits in place
    state.Hyo1 = 2;
    state.Hyo2 = 5;
    Surface surface;
    const Platform p = platform.Platform();
    const long first = AllocationsDuring([&] { Lng(state, surface, p); });
    long most = 0;
    for (int i = 0; i < 5000; ++i) {
        most = std::max(most, AllocationsDuring([&] { Lng(state, surface, p); }));
    }
    EXPECT_LE(first, 2);  // the tooltip text
    EXPECT_LE(most, first);
    EXPECT_NE(platform.last.szTip[0], 0);  // the refresh did reach the tray

    // A tick that does not refresh allocates nothing at all.
    state.TmrSkip = 5;
    state.TmrCnt = 0;
    EXPECT_EQ(AllocationsDuring([&] { Timer1_Timer(state, surface, p); }), 0);
}

}  // namespace
}  // namespace gv
