#pragma once

#include "face/surface.h"
#include "features/clock_state.h"
#include "ports/platform.h"

namespace gv {

// Redraws the face from the clock and the settings, shows it on the preview, and hands it with
// the tooltip (the time by the tooltip pattern) to the tray, the background transparent. The
// face and the tooltip come from one reading of the clock, which is returned: what they show.
LocalTime Refresh(const ClockState& state, Surface& surface, const Platform& platform);

// The tray's picture of what the surface shows.
IconPicture TrayPicture(const Surface& surface);

}  // namespace gv
