// What one refresh of the tray icon costs through the real Win32 layer and the real shell,
// measured beside the bare system calls that any program updating a tray icon has to make.
//
//   refresh_bench.exe [REFRESHES_PER_ROUND [ROUNDS]]
//
// Each round runs, one after the other on the same hidden window:
//   bare       CreateIconIndirect from bitmaps made once + Shell_NotifyIconA(NIM_MODIFY) +
//              DestroyIcon, on an icon of its own
//   changing   the whole refresh (drawing, tooltip, the tray keeper, the icon, the record) with
//              the clock a minute further each time, so every face differs from the one before
//   unchanged  the whole refresh with the clock standing still, where the tray would show
//              nothing new: no icon is made and nothing is sent
//   icon alone IconCanvas's icon against CreateIconIndirect + DestroyIcon
//   icon 32    IconCanvas's icon at 32x32 (the tray's size at 200 %), the face enlarged in
//              blocks, against the same at 16x16
// and prints the median cost per refresh over the rounds, the ratios to the bare calls (the
// median of each round's ratio: the shell's speed drifts, and each round's parts run back to
// back), what went to the shell, and how many icons and bitmaps were made and destroyed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "face/face.h"
#include "features/clock_state.h"
#include "features/refresh.h"
#include "ports/platform.h"
#include "win32/desktop_theme.h"
#include "win32/file_system.h"
#include "win32/gdi_tally.h"
#include "win32/icon_canvas.h"
#include "win32/system_clock.h"
#include "win32/tray_icon.h"
#include "win32/win32_settings_window.h"
#include "win32/windows_api.h"

namespace {

// The time the benchmark sets: a face changes only when the benchmark moves the clock.
class SetClock final : public gv::Clock {
  public:
    gv::LocalTime now = gv::MakeLocalTime(2024, 5, 1, 12, 0, 0);
    gv::LocalTime Now() override { return now; }
    std::int64_t MonotonicMs() override { return 0; }
    void Sleep(std::int32_t) override {}
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Microseconds per call of `step` over `count` calls.
template <typename Step>
double MicrosecondsEach(int count, Step&& step) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) step();
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / count;
}

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The fixed picture of the bare calls: the face as drawn, its bitmaps made once, with plain
// system calls and nothing of the program's own.
struct BarePicture {
    HBITMAP colour = nullptr;
    HBITMAP mask = nullptr;

    explicit BarePicture(const gv::Pixels& face) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = gv::kFaceSize;
        info.bmiHeader.biHeight = -gv::kFaceSize;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::uint8_t maskBits[gv::kFaceSize * 2] = {};
        const COLORREF background = GetSysColor(COLOR_BTNFACE);
        for (int i = 0; colour != nullptr && i < gv::kFaceSize * gv::kFaceSize; ++i) {
            const COLORREF rgb = gv::win32::PaintedColour(face[static_cast<std::size_t>(i)]);
            if (rgb == background) {
                maskBits[i / 8] |= static_cast<std::uint8_t>(0x80u >> (i % 8));
                static_cast<std::uint32_t*>(bits)[i] = 0;
            } else {
                static_cast<std::uint32_t*>(bits)[i] =
                    (GetRValue(rgb) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb);
            }
        }
        GdiFlush();
        mask = CreateBitmap(gv::kFaceSize, gv::kFaceSize, 1, 1, maskBits);
    }
    ~BarePicture() {
        if (colour != nullptr) DeleteObject(colour);
        if (mask != nullptr) DeleteObject(mask);
    }
    BarePicture(const BarePicture&) = delete;
    BarePicture& operator=(const BarePicture&) = delete;

    HICON MakeIcon() const {
        ICONINFO info{};
        info.fIcon = TRUE;
        info.hbmColor = colour;
        info.hbmMask = mask;
        return CreateIconIndirect(&info);
    }
};

// Icons and bitmaps made and destroyed, as the program's tally counts them.
struct Handles {
    long long iconsMade = 0, iconsDestroyed = 0, bitmapsMade = 0, bitmapsDestroyed = 0;
    static Handles Now() {
        const auto& t = gv::win32::Tally();
        return {static_cast<long long>(t.iconsMade), static_cast<long long>(t.iconsDestroyed),
                static_cast<long long>(t.bitmapsMade), static_cast<long long>(t.bitmapsDestroyed)};
    }
    void AddDifference(const Handles& before, const Handles& after) {
        iconsMade += after.iconsMade - before.iconsMade;
        iconsDestroyed += after.iconsDestroyed - before.iconsDestroyed;
        bitmapsMade += after.bitmapsMade - before.bitmapsMade;
        bitmapsDestroyed += after.bitmapsDestroyed - before.bitmapsDestroyed;
    }
};

// One thing measured: its cost per refresh in each round, and what it did to the shell and to
// the handles over all rounds.
struct Part {
    const char* name;
    std::vector<double> rounds;
    Handles handles;
    gv::TrayCounts tray;

    template <typename Step>
    void Measure(const gv::TrayKeeper& keeper, int count, Step&& step) {
        const Handles handlesBefore = Handles::Now();
        const gv::TrayCounts trayBefore = keeper.Counts();
        rounds.push_back(MicrosecondsEach(count, step));
        handles.AddDifference(handlesBefore, Handles::Now());
        const gv::TrayCounts trayAfter = keeper.Counts();
        tray.modifiesSent += trayAfter.modifiesSent - trayBefore.modifiesSent;
        tray.modifiesSkipped += trayAfter.modifiesSkipped - trayBefore.modifiesSkipped;
        tray.refused += trayAfter.refused - trayBefore.refused;
        PumpMessages();
    }

    double Median() const { return MedianOf(rounds); }

    void Print(double bare) const {
        const auto [least, most] = std::minmax_element(rounds.begin(), rounds.end());
        std::printf("%-46s %9.2f us/refresh (rounds %.2f to %.2f)  x%.2f of bare\n", name, Median(),
                    *least, *most, Median() / bare);
    }
    void PrintCounts() const {
        std::printf(
            "  %-34s tray modifies sent %llu skipped %llu, calls refused %llu; "
            "icons made %lld destroyed %lld; bitmaps made %lld destroyed %lld\n",
            name, static_cast<unsigned long long>(tray.modifiesSent),
            static_cast<unsigned long long>(tray.modifiesSkipped),
            static_cast<unsigned long long>(tray.refused), handles.iconsMade,
            handles.iconsDestroyed, handles.bitmapsMade, handles.bitmapsDestroyed);
    }
};

void PrintRatio(const char* what, const Part& part, const Part& base) {
    std::vector<double> ratios;
    std::string each;
    for (std::size_t i = 0; i < part.rounds.size(); ++i) {
        ratios.push_back(part.rounds[i] / base.rounds[i]);
        char text[16];
        std::snprintf(text, sizeof text, " %.4f", ratios.back());
        each += text;
    }
    std::printf("ratio, %s: %.4f (rounds:%s)\n", what, MedianOf(ratios), each.c_str());
}

int Run(int perRound, int rounds) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    gv::win32::Win32SettingsWindow window(instance);
    if (!window.Created()) {
        std::printf("error: the window was not created\n");
        return 1;
    }
    gv::win32::Win32CodePage codePage;
    gv::win32::TrayIcon tray(window.Hwnd(), codePage);
    gv::TrayKeeper& keeper = tray.Keeper();
    gv::win32::WindowTimer timer(window.Hwnd(), gv::win32::Win32SettingsWindow::kUpdateTimerId);
    SetClock clock;
    const gv::DateLocale locale = gv::win32::LoadUserLocale();
    gv::win32::Win32FileSystem files;
    gv::win32::Win32DesktopTheme theme;
    const gv::Platform platform{window, keeper, timer, clock, locale, files, codePage, theme};

    // A face as a user at a short interval might choose it: the time on top, month and day
    // below, in colours.
    gv::ClockState state;
    state.tipPattern = gv::kDefaultTipPattern;
    state.face.topMode = gv::kModeTime24;
    state.face.bottomMode = gv::kModeMonthDayZero;
    state.face.colours = {0x0000FF, 0x00FF00, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808000, 0};
    gv::Surface surface;
    gv::Refresh(state, surface, platform);  // the first face, before there is an icon to show it

    // The bare calls get an icon of their own beside the clock's, so that neither changes what
    // the other's calls find. The tray may still be starting: wait for it.
    const BarePicture bare(surface.Image());
    NOTIFYICONDATAA bareRecord{};
    bareRecord.cbSize = NOTIFYICONDATAA_V1_SIZE;
    bareRecord.hWnd = window.Hwnd();
    bareRecord.uID = 2;
    bareRecord.uFlags = NIF_ICON | NIF_TIP;
    std::strcpy(bareRecord.szTip, "bare");
    bool added = false;
    for (int attempt = 0; attempt < 120 && !added; ++attempt) {
        HICON icon = bare.MakeIcon();
        bareRecord.hIcon = icon;
        added = Shell_NotifyIconA(NIM_ADD, &bareRecord) != FALSE;
        DestroyIcon(icon);
        if (!added) {
            PumpMessages();
            Sleep(250);
        }
    }
    const auto refusedBefore = keeper.Counts().refused;
    keeper.Add(gv::TrayPicture(surface), "refresh_bench");
    if (!added || keeper.Counts().refused != refusedBefore) {
        std::printf("error: the tray did not take the icons\n");
        return 1;
    }
    PumpMessages();

    std::printf("refresh_bench: %d rounds of %d refreshes each\n", rounds, perRound);
    Part bareCalls{"bare: CreateIconIndirect+NIM_MODIFY+DestroyIcon", {}, {}, {}};
    Part changing{"whole refresh, face changing every time", {}, {}, {}};
    Part unchanged{"whole refresh, face unchanged", {}, {}, {}};
    Part bareIcon{"icon alone, bare: CreateIconIndirect+Destroy", {}, {}, {}};
    Part listIcon{"icon alone, IconCanvas: Make+Destroy", {}, {}, {}};
    // Each size from a canvas of its own, so that neither makes its bitmaps again for the
    // other's size.
    const gv::IconPicture painted = tray.Paint(gv::TrayPicture(surface));
    gv::win32::FaceMask transparent{};
    for (std::size_t i = 0; i < transparent.size(); ++i)
        transparent[i] = painted.pixels[i] == painted.mask;
    gv::win32::IconCanvas small, large;
    Part largeIcon{"icon alone at 32x32, IconCanvas", {}, {}, {}};
    long long bareRefused = 0, facesRepeated = 0, minutes = 0;
    const gv::LocalTime start = clock.now;
    for (int round = 0; round < rounds; ++round) {
        bareCalls.Measure(keeper, perRound, [&] {
            HICON icon = bare.MakeIcon();
            bareRecord.hIcon = icon;
            if (!Shell_NotifyIconA(NIM_MODIFY, &bareRecord)) ++bareRefused;
            DestroyIcon(icon);
        });
        gv::Pixels previous = surface.Image();
        changing.Measure(keeper, perRound, [&] {
            clock.now = gv::AddSeconds(start, 60 * ++minutes);
            gv::Refresh(state, surface, platform);
            if (surface.Image() == previous) ++facesRepeated;
            previous = surface.Image();
        });
        unchanged.Measure(keeper, perRound, [&] { gv::Refresh(state, surface, platform); });
        bareIcon.Measure(keeper, perRound, [&] { DestroyIcon(bare.MakeIcon()); });
        listIcon.Measure(keeper, perRound, [&] {
            gv::win32::DestroyTalliedIcon(small.MakeIcon(painted.pixels, transparent, 16));
        });
        largeIcon.Measure(keeper, perRound, [&] {
            gv::win32::DestroyTalliedIcon(large.MakeIcon(painted.pixels, transparent, 32));
        });
    }

    const double bareMedian = bareCalls.Median();
    bareCalls.Print(bareMedian);
    changing.Print(bareMedian);
    unchanged.Print(bareMedian);
    bareIcon.Print(bareMedian);
    listIcon.Print(bareMedian);
    largeIcon.Print(bareMedian);
    PrintRatio("whole refresh with the face changing / bare calls", changing, bareCalls);
    PrintRatio("whole refresh with the face unchanged / bare calls", unchanged, bareCalls);
    PrintRatio("icon alone, IconCanvas / bare", listIcon, bareIcon);
    PrintRatio("icon alone, IconCanvas at 32x32 / at 16x16", largeIcon, listIcon);
    std::printf("what each part did:\n");
    changing.PrintCounts();
    unchanged.PrintCounts();
    listIcon.PrintCounts();
    largeIcon.PrintCounts();
    std::printf(
        "  faces equal to the one before while changing: %lld; bare modifies refused: "
        "%lld\n",
        facesRepeated, bareRefused);

    bareRecord.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &bareRecord);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int perRound = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    const int result = Run(perRound, rounds);
    // Everything the run made is gone by now, the window's own icon included.
    const Handles end = Handles::Now();
    std::printf("handles at the end: %s\n", gv::win32::DescribeTally().c_str());
    std::printf("balance: icons alive %lld, bitmaps alive %lld\n",
                end.iconsMade - end.iconsDestroyed, end.bitmapsMade - end.bitmapsDestroyed);
    std::fflush(stdout);
    return result;
}
