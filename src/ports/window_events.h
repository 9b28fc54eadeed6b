#pragma once

#include <cstdint>

#include "time/date_locale.h"

namespace gv {

// What the settings window delivers to the clock: its controls, its timer, the tray's callback,
// its closing, and the system's news. The window knows the clock only through this.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;

    virtual void OnTick() = 0;
    virtual void OnTopModeChosen() = 0;
    virtual void OnBottomModeChosen() = 0;
    virtual void OnSwatchClicked(std::int16_t index) = 0;
    virtual void OnApply() = 0;
    // A mouse move over the window, which is also how the tray reports its icon's events: x is
    // the mouse message number times the window's twips per pixel.
    virtual void OnMouseMove(float x) = 0;
    // The window closes, by the user or because the session ends: save. At the end of the
    // session nothing may wait for the user.
    virtual void OnClosing(bool sessionEnding) = 0;
    virtual void OnClosed() = 0;   // the window is being destroyed
    // The program was started again from the same folder. False when the clock is not running
    // (still starting or already closing), so that the new process can tell nobody took it.
    virtual bool OnSecondStart() = 0;
    // The system clock or time zone changed, or the computer woke from sleep.
    virtual void OnClockChanged() = 0;
    virtual void OnLocaleChanged(const DateLocale& locale) = 0;
    // The tray was handed the icon again (a new taskbar, another icon size, a retried add).
    virtual void OnTrayChanged() = 0;
};

}  // namespace gv
