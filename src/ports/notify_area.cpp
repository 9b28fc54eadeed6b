#include "ports/notify_area.h"

#include <string>

#include "base/text.h"

namespace gv {
namespace {

// The shell's message numbers for the three commands.
constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;

}  // namespace

NotifyRecordFields RecordFieldsFor(TrayCommand command) {
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

std::optional<TrayButton> ReleasedButton(std::uint32_t mouseMessage) {
    if (mouseMessage == kWmLButtonUp) return TrayButton::Left;
    if (mouseMessage == kWmRButtonUp) return TrayButton::Right;
    return std::nullopt;
}

TipBytes EncodeTip(CodePage& codePage, std::string_view tip) {
    TipBytes bytes{};
    std::size_t used = 0;
    std::string character;  // one character's bytes: short enough to stay off the heap
    for (std::size_t i = 0; i < tip.size();) {
        const std::size_t n = Utf8SequenceLength(tip, i);
        character.clear();
        codePage.ToAnsi(tip.substr(i, n), character);
        if (used + character.size() > bytes.size() - 1) break;  // room for the terminator
        for (char b : character) bytes[used++] = b;
        i += n;
    }
    return bytes;
}

}  // namespace gv
