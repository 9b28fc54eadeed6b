#include "features/tray_presence.h"

#include <limits>
#include <optional>

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

void BringToFront(const Platform& platform) {
    SettingsWindow& window = platform.window;
    window.RestoreNormal();
    window.Show();
    window.SetFocus();
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

void BringUpAtCorner(const Platform& platform) {
    MoveToWorkAreaCorner(platform);  // a failure here does not keep the window away
    BringUpWindow(platform);
}

}  // namespace gv
