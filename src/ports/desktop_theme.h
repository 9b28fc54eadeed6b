#pragma once

#include <cstdint>

namespace gv {

// What the system says about the look of its taskbar, as read and undecided: what to make of
// it is the clock's (TaskbarIsDark).
struct ThemeFacts {
    // The DWORD SystemUsesLightTheme under
    // HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize.
    enum class Setting { Present, Missing, Unreadable };
    Setting setting = Setting::Unreadable;
    std::uint32_t lightTheme = 0;  // the value, when present
    // The version Windows really runs (not the one it tells programs without a manifest
    // entry); 0 when it could not be read.
    std::uint32_t majorVersion = 0;
    std::uint32_t build = 0;
};

class DesktopTheme {
  public:
    virtual ~DesktopTheme() = default;
    virtual ThemeFacts Read() = 0;
};

}  // namespace gv
