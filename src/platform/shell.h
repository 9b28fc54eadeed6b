#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/window.h"

namespace gv {

using IconHandle = std::uintptr_t;

// The first-version notification record with an ANSI tooltip, field for field. The Windows
// layer copies it into the system's own structure (whose size differs between 32 and 64 bits).
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    std::array<char, 64> szTip{};

    bool operator==(const NotifyIconData&) const = default;
};

inline constexpr std::uint32_t kNotifyIconDataSize = 88;
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

inline constexpr std::uint32_t kWmMouseMove = 512;
inline constexpr std::uint32_t kWmLButtonUp = 514;
inline constexpr std::uint32_t kWmRButtonUp = 517;

inline constexpr std::int32_t kHwndTop = 0;
inline constexpr std::int32_t kHwndTopmost = -1;
inline constexpr std::int32_t kHwndNoTopmost = -2;
inline constexpr std::uint32_t kSwpNoSize = 1;
inline constexpr std::uint32_t kSwpNoMove = 2;
inline constexpr std::uint32_t kSwpShowWindow = 64;

struct WorkArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive
    std::int32_t bottom = 0;
};

// The notification area and the window manager.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool NotifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
    // Asked before a modify, while its record has no icon yet: whether the modify with an icon
    // showing `picture` (as ImageList::Picture gives it) could change what the user sees.
    // False when the icon shows exactly that already, or is known to be gone; the caller then
    // makes no icon and sends nothing. A shell that keeps no account of its icon answers true.
    virtual bool ModifyWouldChange(const NotifyIconData& data,
                                   const std::optional<IconPicture>& picture) = 0;
    // SetWindowPos with position and size 0; `after` is one of the kHwnd* values.
    virtual std::int32_t SetWindowPos(WindowHandle window, std::int32_t after,
                                      std::uint32_t flags) = 0;
    // SystemParametersInfoA(SPI_GETWORKAREA); leaves `area` alone and returns false on failure.
    virtual bool GetWorkArea(WorkArea& area) = 0;
};

}  // namespace gv
