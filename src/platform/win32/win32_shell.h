#pragma once

#include "platform/shell.h"

namespace gv::win32 {

class Win32Window;

class Win32Shell final : public Shell {
  public:
    explicit Win32Shell(Win32Window& window) : window_(window) {}
    bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) override;
    std::int32_t SetWindowPos(WindowHandle window, std::int32_t after,
                              std::uint32_t flags) override;
    bool GetWorkArea(WorkArea& area) override;

  private:
    Win32Window& window_;
};

}  // namespace gv::win32
