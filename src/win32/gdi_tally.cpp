#include "win32/gdi_tally.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"

namespace gv::win32 {
namespace {

GdiTally tally;

void NoteIconMade() {
    ++tally.iconsMade;
    tally.mostIconsAlive = std::max(tally.mostIconsAlive, tally.iconsMade - tally.iconsDestroyed);
}

void NoteBitmapMade() {
    ++tally.bitmapsMade;
    tally.mostBitmapsAlive =
        std::max(tally.mostBitmapsAlive, tally.bitmapsMade - tally.bitmapsDestroyed);
}

}  // namespace

const GdiTally& Tally() { return tally; }

HBITMAP TalliedDibSection(const BITMAPINFO& info, void** bits) {
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
    if (bitmap != nullptr) NoteBitmapMade();
    return bitmap;
}

HBITMAP TalliedMonochromeBitmap(int width, int height, const void* bits) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 1, bits);
    if (bitmap != nullptr) NoteBitmapMade();
    return bitmap;
}

bool DeleteTalliedBitmap(HBITMAP bitmap) {
    if (bitmap == nullptr || !DeleteObject(bitmap)) return false;
    ++tally.bitmapsDestroyed;
    return true;
}

HICON TalliedIconFromBitmaps(HBITMAP colour, HBITMAP mask) {
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    if (icon != nullptr) NoteIconMade();
    return icon;
}

HICON TalliedIconFromResource(HINSTANCE instance, int id, int size) {
    auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (icon != nullptr) NoteIconMade();
    return icon;
}

bool DestroyTalliedIcon(HICON icon) {
    if (icon == nullptr || !DestroyIcon(icon)) return false;
    ++tally.iconsDestroyed;
    return true;
}

// No printf: the C library's formatter would be the largest part of the executable.
void AppendCount(std::string& out, std::string_view label, std::uint64_t count) {
    out += label;
    StringSink sink(out);
    AppendDecimal(sink, static_cast<long long>(count));
}

std::string DescribeTally() {
    std::string line;
    AppendCount(line, "icons made ", tally.iconsMade);
    AppendCount(line, " destroyed ", tally.iconsDestroyed);
    AppendCount(line, " most-alive ", tally.mostIconsAlive);
    AppendCount(line, "; bitmaps made ", tally.bitmapsMade);
    AppendCount(line, " destroyed ", tally.bitmapsDestroyed);
    AppendCount(line, " most-alive ", tally.mostBitmapsAlive);
    return line;
}

}  // namespace gv::win32
