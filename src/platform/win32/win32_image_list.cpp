#include "platform/win32/win32_image_list.h"

#include "platform/win32/gdi_tally.h"
#include "platform/win32/windows_api.h"

namespace gv::win32 {

void Win32ImageList::Clear() { hasPicture_ = false; }

// Kept only because the list has the property; an icon's transparent pixels show whatever lies
// behind them, so the back colour never reaches the screen.
void Win32ImageList::SetBackColor(Colour colour) { backColour_ = colour; }

void Win32ImageList::Add(const Pixels& picture) {
    picture_ = picture;
    hasPicture_ = true;
}

void Win32ImageList::SetMaskColor(Colour colour) { maskColour_ = colour; }

IconHandle Win32ImageList::MakeIcon() {
    if (!hasPicture_) return 0;
    // Compared as painted, so a slot holding the button face's plain RGB value is as
    // transparent as one holding the system colour itself.
    const COLORREF mask = PaintedColour(maskColour_);
    FaceMask transparent{};
    for (std::size_t i = 0; i < picture_.size(); ++i)
        transparent[i] = PaintedColour(picture_[i]) == mask;
    return reinterpret_cast<IconHandle>(MakeFaceIcon(picture_, transparent));
}

void Win32ImageList::DestroyIcon(IconHandle icon) {
    DestroyTalliedIcon(reinterpret_cast<HICON>(icon));
}

}  // namespace gv::win32
