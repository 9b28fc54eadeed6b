#pragma once

#include "ports/timer.h"
#include "time/clock.h"
#include "time/date_locale.h"
#include "win32/windows_api.h"

namespace gv::win32 {

class SystemClock final : public Clock {
  public:
    LocalTime Now() override;
    std::int64_t MonotonicMs() override;
    void Sleep(std::int32_t milliseconds) override;
};

// The update timer as a window timer of the settings window; its ticks arrive as WM_TIMER with its
// identifier.
class WindowTimer final : public Timer {
  public:
    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    void SetInterval(std::int32_t milliseconds) override;

  private:
    HWND window_;
    UINT_PTR id_;
};

DateLocale LoadUserLocale();

}  // namespace gv::win32
