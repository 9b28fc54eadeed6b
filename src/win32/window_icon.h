#pragma once

#include "win32/windows_api.h"

namespace gv::win32 {

// The program's icon (face/app_icon) at 16x16; give it back with DestroyTalliedIcon.
HICON MakeWindowIcon();

}  // namespace gv::win32
