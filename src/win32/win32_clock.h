#pragma once

#include "common/date_locale.h"
#include "platform/timer.h"
#include "platform/win32/windows_api.h"

namespace gv::win32 {

class Win32Clock final : public Clock {
  public:
    LocalTime Now() override;
};

// Timer1 as a window timer of the settings window; its ticks arrive as WM_TIMER with kTimerId.
class Win32Timer final : public Timer {
  public:
    static constexpr UINT_PTR kTimerId = 1;
    explicit Win32Timer(HWND window) : window_(window) {}
    void SetInterval(std::int32_t milliseconds) override;

  private:
    HWND window_;
};

// The user's locale as the date patterns need it.
DateLocale LoadUserLocale();

}  // namespace gv::win32
