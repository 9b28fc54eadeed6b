#include "tray/tray_callback.h"

#include <limits>
#include <optional>

#include "common/number.h"
#include "tray/tray_commands.h"

namespace gv {
namespace {

// A pixel edge in twips, in 32-bit arithmetic as the window geometry has it; nullopt on
// overflow.
std::optional<std::int32_t> EdgeInTwips(std::int32_t pixels) {
    const long long twips = static_cast<long long>(pixels) * 15;
    if (twips < std::numeric_limits<std::int32_t>::min() ||
        twips > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(twips);
}

}  // namespace

bool GetWrk(const Platform& platform) {
    WorkArea area;
    platform.shell.GetWorkArea(area);  // on failure the area stays all zero
    const auto right = EdgeInTwips(area.right);
    if (!right) return false;
    platform.window.SetLeft(
        static_cast<float>(*right - static_cast<double>(platform.window.Width())));
    const auto bottom = EdgeInTwips(area.bottom);
    if (!bottom) return false;
    platform.window.SetTop(
        static_cast<float>(*bottom - static_cast<double>(platform.window.Height())));
    return true;
}

void Form_MouseMove(const Platform& platform, std::int16_t, std::int16_t, float x, float) {
    const auto ratio = RoundToInt32(platform.window.TwipsPerPixelX());
    const auto position = RoundToInt32(x);
    std::int32_t message = 0;  // a failed division leaves no message
    if (ratio && position && *ratio != 0 &&
        !(*ratio == -1 && *position == std::numeric_limits<std::int32_t>::min())) {
        message = *position / *ratio;
    }
    if (message != static_cast<std::int32_t>(kWmLButtonUp) &&
        message != static_cast<std::int32_t>(kWmRButtonUp)) {
        return;
    }
    GetWrk(platform);  // a failure here does not stop the window from coming up
    ShowWnd(platform);
}

}  // namespace gv
