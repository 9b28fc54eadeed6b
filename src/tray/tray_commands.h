#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace gv {

// The tray icon (identifier 1 on the settings window) exists exactly while the window is
// hidden. Each command builds its record afresh from zero and keeps nothing.

// Hides the window and adds the tray icon with `tip`.
void HideToTray(const Platform& platform, std::string_view tip);
// Adds the tray icon without touching the window: HideToTray's second half, also used when the
// taskbar is re-created and the hidden program would otherwise have no icon.
void AddTrayIcon(const Platform& platform, std::string_view tip);
// Replaces the icon's picture and tooltip (every refresh); refused by the shell while there is
// no icon, which changes nothing. Makes no icon and sends nothing when the shell answers that
// the modify would change nothing.
void ModTray(const Platform& platform, std::string_view tip);
// Removes the tray icon; the shell refuses it when there is none, which changes nothing.
void DeleteTrayIcon(const Platform& platform);
// Hands the tray a new picture for the icon, keeping its tooltip; false when the tray has no
// such icon (it refused the modify).
bool ModTrayIcon(const Platform& platform);
// "Show window": brings the window up, removes the icon and makes the window topmost.
void ShowWnd(const Platform& platform);
// "Set z-order position": 0 not topmost, 1 topmost, 2 top; also shows the window. Any other
// mode calls nothing and gives 0.
std::int32_t SetZPos(Shell& shell, WindowHandle window, std::int16_t mode);

// The most of a tooltip's UTF-8 text that can reach the tray: every character takes at least
// one byte of the record's 63, so no more than 63 characters show, of at most 4 bytes each.
inline constexpr std::size_t kTipTextBytes = 63 * 4;

// The tooltip as code-page bytes with a terminating zero. A text longer than 63 bytes is cut
// at a character boundary so that it fits; a double-byte character is never split.
void FillTip(CodePage& codePage, std::string_view tip, std::array<char, 64>& szTip);

}  // namespace gv
