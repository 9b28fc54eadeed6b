#pragma once

#include <array>

#include "win32/windows_api.h"
#include "face/pixels.h"

namespace gv::win32 {

// The picture of the window icon: twelve yellow hour dots round a face whose red hands point to
// 12 and 3. Unpainted pixels are transparent.
struct WindowIconPicture {
    Pixels pixels{};
    std::array<bool, kFaceSize * kFaceSize> transparent{};
};
WindowIconPicture DrawWindowIcon();

// Made from the picture above; give it back with DestroyTalliedIcon.
HICON MakeWindowIcon();

}  // namespace gv::win32
