#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace gv {

// The mouse-move event, which is also the tray icon's callback: x carries the mouse message
// number times the screen's twips per pixel. A release of the left or right button brings the
// window up at the work area's corner; every other event does nothing. A failing step is
// skipped and the event goes on.
void Form_MouseMove(const Platform& platform, std::int16_t button, std::int16_t shift, float x,
                    float y);

// "Get work area": moves the window's outer frame to the bottom-right corner of the work area,
// converting pixels with a fixed 15 twips per pixel. False when a step failed (the edges are so
// far out that the twip value overflows), in which case the window is not moved further.
bool GetWrk(const Platform& platform);

}  // namespace gv
