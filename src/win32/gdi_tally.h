#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "win32/windows_api.h"

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
bool DeleteTalliedBitmap(HBITMAP bitmap);
HICON TalliedIconFromBitmaps(HBITMAP colour, HBITMAP mask);
// The icon resource `id` at size x size (the image of that size in it, or the nearest one
// scaled); null when it cannot be loaded.
HICON TalliedIconFromResource(HINSTANCE instance, int id, int size);
bool DestroyTalliedIcon(HICON icon);

// One line for the report that GORVANDEL_GDI_REPORT asks for.
std::string DescribeTally();
void AppendCount(std::string& out, std::string_view label, std::uint64_t count);

}  // namespace gv::win32
