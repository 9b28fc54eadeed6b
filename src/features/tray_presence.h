#pragma once

#include "face/pixels.h"
#include "ports/platform.h"

namespace gv {

// The clock is either in the tray (the window hidden, the icon there) or up (the window shown,
// no icon).

// Hides the window and adds the icon with `picture` and an empty tooltip, which the next
// refresh fills in.
void HideToTray(const Platform& platform, const IconPicture& picture);

// Brings the window up, removes the icon and makes the window topmost.
void BringUpWindow(const Platform& platform);

// Moves the window's outer frame to the bottom-right corner of the work area, converting pixels
// with the window's own twips per pixel, so that the window, whose size is in the same twips,
// ends exactly at the corner at every density. False when a step failed (the edges are so far
// out that the twip value overflows); the window is then not moved further. Without a work
// area it goes to the corner of an all-zero one.
bool MoveToWorkAreaCorner(const Platform& platform);

// A mouse move over the window, which is also the tray icon's callback: x carries the mouse
// message number times the window's twips per pixel (a float: 7.5 at 192 DPI), and is decoded
// exactly at every density. A release of the left or right button brings the window up at the
// work area's corner; every other event does nothing.
void HandleMouseMove(const Platform& platform, float x);

}  // namespace gv
