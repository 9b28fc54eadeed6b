#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace gv {

// The mouse-move event, which is also the tray icon's callback: x carries the mouse message
// number times the window's twips per pixel (a float: 7.5 at 192 DPI), and is decoded exactly
// at every density. A release of the left or right button brings the window up at the work
// area's corner; every other event does nothing. A failing step is skipped and the event goes
// on.
void Form_MouseMove(const Platform& platform, std::int16_t button, std::int16_t shift, float x,
                    float y);

// "Get work area": moves the window's outer frame to the bottom-right corner of the work area,
// converting pixels with the window's own twips per pixel, so that the window, whose size is
// in the same twips, ends exactly at the corner at every density. False when a step failed
// (the edges are so far out that the twip value overflows); the window is then not moved
// further.
bool GetWrk(const Platform& platform);

}  // namespace gv
