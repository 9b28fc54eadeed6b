#pragma once

#include <cstdint>

#include "common/clock_state.h"
#include "common/date_locale.h"
#include "platform/platform.h"
#include "render/surface.h"

namespace gv {

// The settings window: it owns the clock state and the drawing surface and routes each window
// event to the procedure that handles it. The platform calls these handlers; the handlers call
// back into the platform only through `Platform`. The locale the dates are written in is the
// form's own copy of the platform's, so that a change of the regional settings can replace it.
class Form1 {
  public:
    explicit Form1(const Platform& platform);

    void Form_Load();
    void Form_QueryUnload();
    // The window is being destroyed: an icon whose window is gone would stay in the tray as a
    // dead picture until the mouse passes over it (and under Wine it keeps the process alive).
    void Form_Unload();
    void Timer1_Timer();
    void Combo1_Click();  // the user (or the program) chose an item of the top list
    void Combo2_Click();
    void Lb1_Click(std::int16_t index);  // swatch 0 to 7 clicked
    void Command1_Click();               // Apply
    // Mouse movement over the client area, and every tray icon event (x = message * twips).
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    // The taskbar was re-created while the window is hidden. If the shell restarted, the icon
    // is gone with the old taskbar: add it again or the program could never be reached. If the
    // scaling changed, the icon is still there: give it its picture at the tray's new size.
    // The platform also calls this when the tray's icon size changed, and to retry an add.
    void TaskbarCreated();

    // Events of the system and of a second start. Each refresh among them draws exactly what a
    // timer refresh draws and leaves the tick count and the interval alone, so the regular
    // refreshes keep their rhythm. Before the load has finished and after the unload they
    // draw nothing.
    //
    // The program was started again from the same folder: the window comes up as a release on
    // the tray icon brings it up, or, when it is up already, only comes to the front. False
    // when the form is not running (still loading or already closing), so that the new
    // process can tell that nobody took its start.
    bool SecondStart();
    // The system clock or the time zone changed, or the computer woke from sleep: the face and
    // the tooltip would otherwise show the old time until the next regular refresh.
    void ClockChanged();
    // The user changed the regional formats: dates are written with `locale` from now on.
    void LocaleChanged(const DateLocale& locale);

    ClockState& State() { return state_; }
    const Surface& Picture1() const { return surface_; }

  private:
    DateLocale locale_;  // before platform_, which refers to it
    Platform platform_;
    ClockState state_;
    Surface surface_;
    bool running_ = false;  // from the end of the load to the unload
};

}  // namespace gv
