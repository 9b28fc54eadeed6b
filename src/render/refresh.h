#pragma once

#include "common/clock_state.h"
#include "platform/platform.h"
#include "render/surface.h"

namespace gv {

// "Lng" (the refresh): redraws the face from the clock and the settings, shows it on the
// preview, makes it the only image of the image list with the background transparent, and hands
// the icon and the tooltip (the time by TipFmt) to the tray.
void Lng(ClockState& state, Surface& surface, const Platform& platform);

}  // namespace gv
