#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "face/pixels.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// The RGB value the screen shows for a colour of the program: a system colour (top bit set) is
// looked up by the index in its low byte, any other value keeps its low three bytes.
COLORREF PaintedColour(std::int32_t colour);

// A plain RGB value as a pixel of a 32-bit bitmap (0x00RRGGBB), its alpha byte 0.
std::uint32_t BitmapPixel(COLORREF rgb);
// The header of a 32-bit size x size bitmap whose rows run from the top, like Pixels.
BITMAPINFO TopDownBitmapInfo(int size);

using FaceMask = std::array<bool, kFaceSize * kFaceSize>;

// The two bitmaps that icons are made from, kept for the next icon of the same size: an icon
// takes copies of its bitmaps, so one pair serves every icon, and a refresh makes no bitmaps
// (nor any memory) of its own. Made again when the size changes; deleted with the canvas.
class IconCanvas {
  public:
    IconCanvas() = default;
    IconCanvas(const IconCanvas&) = delete;
    IconCanvas& operator=(const IconCanvas&) = delete;

    // An icon of `painted` (plain 0x00BBGGRR values, no system colours) enlarged to `size` x
    // `size` in solid blocks (EnlargeFace); where `transparent` is true the background shows
    // through. Null when the system refuses or the size is outside 16 to kMaxIconSize.
    HICON MakeIcon(const Pixels& painted, const FaceMask& transparent, int size = kFaceSize);

    static constexpr int kMaxIconSize = 256;

  private:
    bool Ready(int size);

    int size_ = 0;
    UniqueBitmap colour_;
    std::uint32_t* colourBits_ = nullptr;  // colour_'s own bits, gone with it
    UniqueBitmap mask_;
    std::vector<std::uint8_t> transparent_;  // size x size, one per pixel
    std::vector<std::uint8_t> maskBits_;     // the mask's rows, padded to 16 bits
};

}  // namespace gv::win32
