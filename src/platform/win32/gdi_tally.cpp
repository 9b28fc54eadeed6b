#include "platform/win32/gdi_tally.h"

#include <algorithm>
#include <cstdio>

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

void DeleteTalliedBitmap(HBITMAP bitmap) {
    if (bitmap != nullptr && DeleteObject(bitmap)) ++tally.bitmapsDestroyed;
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

void DestroyTalliedIcon(HICON icon) {
    if (icon != nullptr && DestroyIcon(icon)) ++tally.iconsDestroyed;
}

std::string DescribeTally() {
    char line[256];
    std::snprintf(line, sizeof line,
                  "icons made %llu destroyed %llu most-alive %llu; "
                  "bitmaps made %llu destroyed %llu most-alive %llu",
                  static_cast<unsigned long long>(tally.iconsMade),
                  static_cast<unsigned long long>(tally.iconsDestroyed),
                  static_cast<unsigned long long>(tally.mostIconsAlive),
                  static_cast<unsigned long long>(tally.bitmapsMade),
                  static_cast<unsigned long long>(tally.bitmapsDestroyed),
                  static_cast<unsigned long long>(tally.mostBitmapsAlive));
    return line;
}

COLORREF PaintedColour(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0x80000000u) != 0) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return bits & 0x00FFFFFFu;
}

HICON MakeFaceIcon(const Pixels& pixels, const FaceMask& transparent) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kFaceSize;
    info.bmiHeader.biHeight = -kFaceSize;  // rows from the top, like Pixels
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    HBITMAP colour = TalliedDibSection(info, &bits);
    if (colour == nullptr) return nullptr;

    // A classic icon: the mask alone decides what is transparent (a set bit lets the background
    // through; rows are padded to 16 bits), and the colour image is black there, because the
    // colour is XORed onto the background wherever the mask is set. The alpha bytes stay 0, so
    // every painter goes by the mask instead of alpha.
    std::array<std::uint8_t, kFaceSize * 2> maskBits{};
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            const int i = y * kFaceSize + x;
            if (transparent[static_cast<std::size_t>(i)]) {
                out[i] = 0;
                maskBits[static_cast<std::size_t>(y * 2 + x / 8)] |=
                    static_cast<std::uint8_t>(0x80u >> (x % 8));
            } else {
                const COLORREF rgb = PaintedColour(pixels[static_cast<std::size_t>(i)]);
                out[i] = (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
                         (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
            }
        }
    }
    GdiFlush();

    HBITMAP mask = TalliedMonochromeBitmap(kFaceSize, kFaceSize, maskBits.data());
    HICON icon = mask != nullptr ? TalliedIconFromBitmaps(colour, mask) : nullptr;
    // The icon keeps copies of both bitmaps.
    DeleteTalliedBitmap(mask);
    DeleteTalliedBitmap(colour);
    return icon;
}

}  // namespace gv::win32
