#pragma once

#include <cstdint>

#include "ports/tray.h"
#include "time/date_locale.h"

namespace gv {

// What the settings window delivers to the clock: its controls, its timer, the tray icon's clicks,
// its closing, and the system's news. The window knows the clock only through this.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;

    virtual void OnTick() = 0;
    virtual void OnTopModeChosen() = 0;
    virtual void OnBottomModeChosen() = 0;
    virtual void OnSwatchClicked(int index) = 0;
    virtual void OnApply() = 0;
    // A mouse button was released on the tray icon. The keyboard's Enter or Space on the icon
    // comes as the right button.
    virtual void OnTrayIconReleased(TrayButton button) = 0;
    // The window closes, by the user or because the session ends: save. At the end of the
    // session nothing may wait for the user.
    virtual void OnClosing(bool sessionEnding) = 0;
    virtual void OnClosed() = 0;  // the window is being destroyed
    // The program was started again from the same folder. False when the clock is not running
    // (still starting or already closing), so that the new process can tell nobody took it.
    virtual bool OnSecondStart() = 0;
    // The system clock or time zone changed, or the computer woke from sleep.
    virtual void OnClockChanged() = 0;
    virtual void OnLocaleChanged(const DateLocale& locale) = 0;
    // The system's colours or visual style changed: a face may hold system colours.
    virtual void OnSystemColoursChanged() = 0;
    // The tray was handed the icon again (a new taskbar, another icon size, a retried add).
    virtual void OnTrayChanged() = 0;
};

}  // namespace gv
