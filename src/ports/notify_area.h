#pragma once

#include <array>
#include <cstdint>
#include <optional>
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
    // A notification by the icon (a balloon), texts in UTF-8. True when the tray took it.
    virtual bool Announce(std::string_view title, std::string_view text) = 0;
};

// The record fields of a command: its message and flags, and the callback message.
struct NotifyRecordFields {
    std::uint32_t message;
    std::uint32_t flags;
    std::uint32_t callbackMessage;
};

// The shell's numbers for the record, spelled here so that the core stays free of Windows'
// headers; the Win32 code holds each of them to those headers at compile time.
inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;
// The message the tray reports the icon's mouse events with: the program's own (WM_APP + 1), so
// that nothing else the window receives can pass for a click on the icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8000 + 1;
// The mouse messages of a release on the icon, as the callback carries them (the first layout
// of the callback, which the program keeps: the message number is the whole lParam).
inline constexpr std::uint32_t kWmLButtonUp = 0x202;
inline constexpr std::uint32_t kWmRButtonUp = 0x205;

// The button a callback reports released on the icon; nothing for any other event (a move, a
// press, a double click, the balloon's own notifications).
std::optional<TrayButton> ReleasedButton(std::uint32_t mouseMessage);

constexpr NotifyRecordFields RecordFieldsFor(TrayCommand command) {
    switch (command) {
        case TrayCommand::Add:
            return {kNimAdd, kNifMessage | kNifIcon | kNifTip, kTrayCallbackMessage};
        case TrayCommand::Modify:
            return {kNimModify, kNifIcon | kNifTip, 0};
        case TrayCommand::ModifyPicture:
            return {kNimModify, kNifIcon, 0};
        case TrayCommand::Delete:
            break;
    }
    return {kNimDelete, 0, 0};
}

// The tooltip as code-page bytes with a terminating zero. A text longer than 63 bytes is cut at
// a character boundary so that it fits; a double-byte character is never split.
TipBytes EncodeTip(CodePage& codePage, std::string_view tip);

}  // namespace gv
