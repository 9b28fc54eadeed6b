#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/win32/windows_api.h"
#include "render/pixels.h"

namespace gv::win32 {

// Every icon and bitmap this program makes goes through these, so a leak shows up as a count
// that does not balance. The system's own handle counters are no help here: under Wine they
// always read 0.
struct GdiTally {
    std::uint64_t iconsMade = 0;
    std::uint64_t iconsDestroyed = 0;
    std::uint64_t bitmapsMade = 0;
    std::uint64_t bitmapsDestroyed = 0;
    std::uint64_t mostIconsAlive = 0;
    std::uint64_t mostBitmapsAlive = 0;
};

const GdiTally& Tally();

HBITMAP TalliedDibSection(const BITMAPINFO& info, void** bits);
HBITMAP TalliedMonochromeBitmap(int width, int height, const void* bits);
void DeleteTalliedBitmap(HBITMAP bitmap);
HICON TalliedIconFromBitmaps(HBITMAP colour, HBITMAP mask);
void DestroyTalliedIcon(HICON icon);

// One line for the report that GORVANDEL_GDI_REPORT asks for.
std::string DescribeTally();

// The RGB value the screen shows for a colour of the program: a system colour (top bit set) is
// looked up by the index in its low byte, any other value keeps its low three bytes.
COLORREF PaintedColour(std::int32_t colour);

using FaceMask = std::array<bool, kFaceSize * kFaceSize>;

// A 16x16 icon of `pixels`; where `transparent` is true the background shows through.
HICON MakeFaceIcon(const Pixels& pixels, const FaceMask& transparent);

}  // namespace gv::win32
