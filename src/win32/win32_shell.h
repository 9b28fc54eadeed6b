#pragma once

#include "platform/notify_filter.h"
#include "platform/shell.h"

namespace gv::win32 {

class Win32ImageList;
class Win32Window;

// How the tray calls went, for the diagnostics report and the benchmark.
struct TrayCounts {
    std::uint64_t modifiesSent = 0;
    std::uint64_t modifiesSkipped = 0;
    std::uint64_t refused = 0;  // calls of any kind that the shell refused
};

// The notification area through Shell_NotifyIconA. A modify that would show the picture and
// tooltip the icon already shows is not sent (the program has one tray icon, so one filter
// serves it): at short intervals nearly every refresh is such a modify, and each one costs a
// round trip to the shell.
class Win32Shell final : public Shell {
  public:
    Win32Shell(Win32Window& window, const Win32ImageList& images)
        : window_(window), images_(images) {}
    bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) override;
    // A false answer is a modify skipped, and counted as one.
    bool ModifyWouldChange(const NotifyIconData& data,
                           const std::optional<IconPicture>& picture) override;
    std::int32_t SetWindowPos(WindowHandle window, std::int32_t after,
                              std::uint32_t flags) override;
    bool GetWorkArea(WorkArea& area) override;

    const TrayCounts& Counts() const { return counts_; }
    // The tray or the icon's size changed: the next call is sent, whatever it carries.
    void ForgetTrayIcon() { filter_.Forget(); }

  private:
    Win32Window& window_;
    const Win32ImageList& images_;
    NotifyFilter filter_;
    TrayCounts counts_;
};

}  // namespace gv::win32
