#include "tray/tray_callback.h"

#include <cmath>
#include <limits>
#include <optional>

#include "common/number.h"
#include "render/pixels.h"
#include "tray/tray_commands.h"

namespace gv {
namespace {

// A pixel edge in twips at the window's own twips per pixel, limited to the 32-bit range of the
// window geometry; nullopt beyond it. At 15 twips per pixel every value is a whole number, as
// it always was.
std::optional<double> EdgeInTwips(std::int32_t pixels, float twipsPerPixel) {
    const double twips = static_cast<double>(pixels) * static_cast<double>(twipsPerPixel);
    if (!(twips >= std::numeric_limits<std::int32_t>::min() &&
          twips <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return twips;
}

// The tray's mouse message number from the callback's x, which the window made as the number
// times its twips per pixel, in float. Dividing back gives the number only up to the float's
// rounding, and at 168, 192 or 216 DPI the product is not even a whole number of twips. So x
// is first scaled to 15 twips per pixel, where every number is a whole multiple of 15 and the
// rounding error is far below a twip, and then decoded as the program always did: rounded to
// the nearest twip and divided by 15. At 15 twips per pixel the scaling changes nothing, so
// the decoding is exactly the old one there: 514 * 15 to 514 * 15 + 14 all read as 514.
std::int32_t MessageOf(float x, float twipsPerPixel) {
    if (!(twipsPerPixel != 0.0f) || !std::isfinite(twipsPerPixel)) return 0;
    const auto position =
        RoundToInt32(static_cast<double>(x) * kTwipsPerPixel / static_cast<double>(twipsPerPixel));
    return position ? *position / kTwipsPerPixel : 0;  // an overflow leaves no message
}

}  // namespace

bool GetWrk(const Platform& platform) {
    WorkArea area;
    platform.shell.GetWorkArea(area);  // on failure the area stays all zero
    Window& window = platform.window;
    const auto right = EdgeInTwips(area.right, window.TwipsPerPixelX());
    if (!right) return false;
    window.SetLeft(static_cast<float>(*right - static_cast<double>(window.Width())));
    const auto bottom = EdgeInTwips(area.bottom, window.TwipsPerPixelY());
    if (!bottom) return false;
    window.SetTop(static_cast<float>(*bottom - static_cast<double>(window.Height())));
    return true;
}

void Form_MouseMove(const Platform& platform, std::int16_t, std::int16_t, float x, float) {
    const std::int32_t message = MessageOf(x, platform.window.TwipsPerPixelX());
    if (message != static_cast<std::int32_t>(kWmLButtonUp) &&
        message != static_cast<std::int32_t>(kWmRButtonUp)) {
        return;
    }
    GetWrk(platform);  // a failure here does not stop the window from coming up
    ShowWnd(platform);
}

}  // namespace gv
