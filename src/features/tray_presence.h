#pragma once

#include <string_view>

#include "face/pixels.h"
#include "ports/platform.h"

namespace gv {

// Said once by the icon when a first run first puts the clock into the tray: new icons often
// go among the hidden ones, and the window's going would look like the clock's.
inline constexpr std::string_view kInTrayNotice =
    "時計は通知領域に入り、アイコンをクリックすると設定画面に戻ります。"
    "タスクバーに見えないときは隠れているアイコンの中にあり、タスクバーの設定で常に表示できます。";

// The clock is either in the tray (the window hidden, the icon there) or up (the window shown,
// no icon).

// Hides the window and adds the icon with `picture` and an empty tooltip, which the next
// refresh fills in.
void HideToTray(const Platform& platform, const IconPicture& picture);

// Brings the window up, removes the icon and makes the window topmost.
void BringUpWindow(const Platform& platform);

// A window that is up already comes to the front where the user put it, restored if minimised.
void BringToFront(const Platform& platform);

// Moves the window's outer frame to the bottom-right corner of the work area, converting pixels
// with the window's own twips per pixel, so that the window, whose size is in the same twips,
// ends exactly at the corner at every density. False when a step failed (the edges are so far
// out that the twip value overflows); the window is then not moved further. Without a work
// area it goes to the corner of an all-zero one.
bool MoveToWorkAreaCorner(const Platform& platform);

// A release on the tray icon, or a second start: the window comes up at the work area's corner.
void BringUpAtCorner(const Platform& platform);

}  // namespace gv
