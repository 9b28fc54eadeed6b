#include "ports/notify_area.h"

#include <string>

#include "base/text.h"

namespace gv {

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
