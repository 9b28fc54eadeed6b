#pragma once

#include "win32/windows_api.h"

namespace gv::win32 {

// WM_POWERBROADCAST's event: the computer woke from sleep or hibernation, by itself or for the
// user (both may come for one wake-up).
bool IsResume(WPARAM event);

// WM_SETTINGCHANGE's section name: the user changed the regional formats.
bool IsRegionalChange(LPARAM section);

}  // namespace gv::win32
