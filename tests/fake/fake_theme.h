#pragma once

#include "ports/desktop_theme.h"

namespace gv::fake {

// A light Windows 10 taskbar unless a test says otherwise.
struct FakeTheme final : DesktopTheme {
    ThemeFacts Read() override { return facts; }
    ThemeFacts facts{ThemeFacts::Setting::Present, 1, 10, 19045};
};

}  // namespace gv::fake
