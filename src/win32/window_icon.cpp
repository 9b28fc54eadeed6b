#include "win32/window_icon.h"

#include "face/app_icon.h"
#include "win32/icon_canvas.h"

namespace gv::win32 {

HICON MakeWindowIcon() {
    const std::vector<AppIconInk> ink = DrawAppIcon(kFaceSize);
    Pixels pixels{};
    FaceMask transparent{};
    for (std::size_t i = 0; i < ink.size(); ++i) {
        pixels[i] = ink[i] == AppIconInk::kDot ? kAppIconDot : kAppIconHand;
        transparent[i] = ink[i] == AppIconInk::kClear;
    }
    return MakeFaceIcon(pixels, transparent);
}

}  // namespace gv::win32
