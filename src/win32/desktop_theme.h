#pragma once

#include "ports/desktop_theme.h"

namespace gv::win32 {

// Reads the taskbar's theme setting from the user's registry and the version Windows really
// runs; what they mean is the clock's to decide.
class Win32DesktopTheme final : public DesktopTheme {
  public:
    ThemeFacts Read() override;
};

}  // namespace gv::win32
