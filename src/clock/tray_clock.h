#pragma once

#include <cstdint>

#include "face/surface.h"
#include "features/clock_state.h"
#include "ports/platform.h"
#include "ports/window_events.h"
#include "time/date_locale.h"

namespace gv {

// The clock: it owns the state and the drawing surface and answers the settings window's
// events with the features that handle them. It reaches the system only through `Platform`.
// The locale the dates are written in is the clock's own copy of the platform's, so that a
// change of the regional settings can replace it.
class TrayClock final : public WindowEvents {
  public:
    explicit TrayClock(const Platform& platform);

    // Fills the window, reads the settings, arms the timer and draws the first face; then goes
    // to the tray when there is a settings file, and stays up on top when there is none. With
    // no file at all, the first time the clock goes into the tray the icon says where it is.
    void Start();

    void OnTick() override;
    void OnTopModeChosen() override;
    void OnBottomModeChosen() override;
    void OnSwatchClicked(int index) override;
    void OnApply() override;
    void OnTrayIconReleased(TrayButton button) override;
    // A save that fails even after its retries, or that may not happen because the file could
    // not be read at start-up, is said once to a user who closed the window.
    void OnClosing(bool sessionEnding) override;
    // An icon whose window is gone would stay in the tray as a dead picture until the mouse
    // passes over it (and under Wine it keeps the process alive).
    void OnClosed() override;
    // Each event's refresh below draws exactly what a timer refresh draws and leaves the tick
    // count and the interval alone, so the regular refreshes keep their rhythm. Before the
    // start has finished and after closing they draw nothing.
    bool OnSecondStart() override;
    void OnClockChanged() override;
    void OnLocaleChanged(const DateLocale& locale) override;
    void OnTrayChanged() override;
    void OnSystemColoursChanged() override;

    const ClockState& State() const { return state_; }

  private:
    // In the tray the clock sleeps until the next refresh that can show something new; while
    // the window is up it ticks, so that the preview follows the user's choices as made.
    void ChooseTimerMode();
    // Refreshes at once; in the tray, then sleeps until the next refresh that can show
    // something new after what this one showed.
    void RefreshNow();
    void WakeAt(std::int64_t atMs);
    void ResumeTicking();

    DateLocale locale_;  // before platform_, which refers to it
    Platform platform_;
    ClockState state_;
    Surface surface_;
    bool running_ = false;       // from the end of the start to the closing
    bool fileUnread_ = false;    // the file was there but could not be read: never replace it
    bool inTray_ = false;        // the window hidden, the timer set for the next useful refresh
    bool realigning_ = false;    // the next tick is the first one back on the cycle's own rhythm
    std::int64_t wakeAtMs_ = 0;  // in the tray: the monotonic instant of the next refresh
    bool wakeInSteps_ = false;   // it lies beyond the timer's range: the next wake only a step
};

}  // namespace gv
