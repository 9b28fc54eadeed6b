#pragma once

#include <functional>

#include "clock/tray_clock.h"
#include "fake/fake_clock.h"
#include "fake/fake_code_page.h"
#include "fake/fake_files.h"
#include "fake/fake_notify_area.h"
#include "fake/fake_theme.h"
#include "fake/fake_window.h"
#include "ports/tray_keeper.h"

namespace gv::fake {

// The whole platform. The tray is the real keeper over the fake notification area.
struct FakePlatform {
    gv::Platform Platform() {
        return {window, tray, timer, clock, *locale, files, codePage, theme};
    }
    // A refresh hands the tray a picture and a tooltip, whether it goes further or not.
    std::uint64_t Refreshes() const { return tray.Counts().modifiesAsked; }

    Log log;
    FakeWindow window{log};
    FakeNotifyArea area{log};
    FakeClock clock;
    FakeTimer timer{clock.elapsedMs};
    FakeFiles files;
    FakeCodePage codePage;
    FakeTheme theme;
    TrayKeeper tray{area, codePage};
    const DateLocale* locale = &JapaneseLocale();
};

// The clock on the fake platform.
struct Program {
    Program() : clock(fake.Platform()) { fake.window.events = &clock; }
    // Runs the timer for `ms`, `afterTick` after each tick; the number of refreshes.
    std::uint64_t Run(long long ms, const std::function<void()>& afterTick = {});
    // The tray's report of a mouse event on the icon, as the window decodes it.
    void Click(std::uint32_t mouseMessage) {
        if (const auto button = ReleasedButton(mouseMessage)) clock.OnTrayIconReleased(*button);
    }

    FakePlatform fake;
    TrayClock clock;
};

}  // namespace gv::fake
