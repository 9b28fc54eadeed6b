#pragma once

#include <cstddef>
#include <string_view>

#include "face/pixels.h"

namespace gv {

// The most of a tooltip's UTF-8 text that can reach the tray: every character takes at least
// one byte of the record's 63, so no more than 63 characters show, of at most 4 bytes each.
inline constexpr std::size_t kTipTextBytes = 63 * 4;

// The mouse button released on the icon.
enum class TrayButton { Left, Right };

// The clock's one icon in the notification area, in the clock's own terms: a picture (the face
// and its transparent colour, as drawn) and a tooltip (UTF-8). The icon exists while the clock
// is in the tray; the tray refuses a modify or a remove while there is no icon and an add while
// there is one, which changes nothing.
class Tray {
  public:
    virtual ~Tray() = default;
    virtual void Add(const IconPicture& picture, std::string_view tip) = 0;
    // A refresh: a modify that would show exactly what the icon shows is never sent.
    virtual void Modify(const IconPicture& picture, std::string_view tip) = 0;
    virtual void Remove() = 0;
    // Says `text` under `title` by the icon, once: at once while the tray has the icon, else
    // right after the tray next takes it. Never again, whether the tray showed it or not.
    virtual void Announce(std::string_view title, std::string_view text) = 0;
};

}  // namespace gv
