#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "face/pixels.h"
#include "ports/code_page.h"
#include "ports/tray.h"

namespace gv {

// The commands the notification area takes for the program's icon.
enum class TrayCommand {
    Add,            // picture, tooltip and the callback
    Modify,         // picture and tooltip
    ModifyPicture,  // the picture alone; the tooltip stays
    Delete,
};

// The tooltip as the record carries it: code-page bytes ending in a zero.
using TipBytes = std::array<char, 64>;

// The system's notification area, in its own terms. TrayKeeper speaks to it; the Win32 code
// makes the icon and the record.
class NotifyArea {
  public:
    virtual ~NotifyArea() = default;
    // What the screen shows for `picture`: system colours looked up.
    virtual IconPicture Paint(const IconPicture& picture) const = 0;
    // `painted` null: an icon with no picture. The tip is sent only by the commands that carry
    // one. True when the tray took the command.
    virtual bool Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) = 0;
};

// The record fields of a command: its message and flags, and the callback message.
struct NotifyRecordFields {
    std::uint32_t message;
    std::uint32_t flags;
    std::uint32_t callbackMessage;
};

inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
// The tray reports its icon's events as mouse moves of the window carrying these numbers.
inline constexpr std::uint32_t kWmMouseMove = 512;
inline constexpr std::uint32_t kWmLButtonUp = 514;
inline constexpr std::uint32_t kWmRButtonUp = 517;

NotifyRecordFields RecordFieldsFor(TrayCommand command);

// The tooltip as code-page bytes with a terminating zero. A text longer than 63 bytes is cut at
// a character boundary so that it fits; a double-byte character is never split.
TipBytes EncodeTip(CodePage& codePage, std::string_view tip);

}  // namespace gv
