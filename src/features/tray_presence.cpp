#include "features/tray_presence.h"

#include <cmath>
#include <limits>
#include <optional>

#include "base/number.h"
#include "base/twips.h"
#include "ports/notify_area.h"

namespace gv {
namespace {

// A pixel edge in twips at the window's own twips per pixel, limited to the 32-bit range of the
// window geometry; nullopt beyond it. At 15 twips per pixel every value is a whole number.
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
// rounding, and at 168, 192 or 216 DPI the product is not even a whole number of twips. So x is
// first scaled to 15 twips per pixel, where every number is a whole multiple of 15 and the
// rounding error is far below a twip, and then rounded to the nearest twip and divided by 15:
// 514 * 15 to 514 * 15 + 14 all read as 514.
std::int32_t MessageOf(float x, float twipsPerPixel) {
    if (!(twipsPerPixel != 0.0f) || !std::isfinite(twipsPerPixel)) return 0;
    const auto position = RoundToInt32(static_cast<double>(x) * kTwipsPerPixelAt96 /
                                       static_cast<double>(twipsPerPixel));
    return position ? *position / kTwipsPerPixelAt96 : 0;  // an overflow leaves no message
}

}  // namespace

void HideToTray(const Platform& platform, const IconPicture& picture) {
    platform.window.SetVisible(false);
    platform.tray.Add(picture, "");
}

void BringUpWindow(const Platform& platform) {
    SettingsWindow& window = platform.window;
    window.RestoreNormal();
    window.Show();
    window.SetVisible(true);
    platform.tray.Remove();
    window.SetFocus();
    window.MakeTopmost();
}

bool MoveToWorkAreaCorner(const Platform& platform) {
    WorkArea area;
    SettingsWindow& window = platform.window;
    window.GetWorkArea(area);  // on failure the area stays all zero
    const auto right = EdgeInTwips(area.right, window.TwipsPerPixelX());
    if (!right) return false;
    window.SetLeft(static_cast<float>(*right - static_cast<double>(window.Width())));
    const auto bottom = EdgeInTwips(area.bottom, window.TwipsPerPixelY());
    if (!bottom) return false;
    window.SetTop(static_cast<float>(*bottom - static_cast<double>(window.Height())));
    return true;
}

void HandleMouseMove(const Platform& platform, float x) {
    const std::int32_t message = MessageOf(x, platform.window.TwipsPerPixelX());
    if (message != static_cast<std::int32_t>(kWmLButtonUp) &&
        message != static_cast<std::int32_t>(kWmRButtonUp)) {
        return;
    }
    MoveToWorkAreaCorner(platform);  // a failure here does not keep the window away
    BringUpWindow(platform);
}

}  // namespace gv
