#pragma once

#include "ports/code_page.h"
#include "ports/desktop_theme.h"
#include "ports/files.h"
#include "ports/settings_window.h"
#include "ports/timer.h"
#include "ports/tray.h"
#include "time/clock.h"
#include "time/date_locale.h"

namespace gv {

// Everything the clock asks of the system, gathered so that a feature can be handed one
// reference. The Windows build wires the Win32 implementations; the tests wire the fakes.
struct Platform {
    SettingsWindow& window;
    Tray& tray;
    Timer& timer;
    Clock& clock;
    const DateLocale& locale;
    FileSystem& files;
    CodePage& codePage;
    DesktopTheme& theme;
};

}  // namespace gv
