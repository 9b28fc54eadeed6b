#include "win32/icon_canvas.h"

#include <algorithm>
#include <span>

#include "face/enlarge.h"
#include "win32/gdi_tally.h"

namespace gv::win32 {

COLORREF PaintedColour(std::int32_t colour) {
    const auto bits = static_cast<std::uint32_t>(colour);
    if ((bits & 0x80000000u) != 0) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return bits & 0x00FFFFFFu;
}

std::uint32_t BitmapPixel(COLORREF rgb) {
    return (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

BITMAPINFO TopDownBitmapInfo(int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool IconCanvas::Ready(int size) {
    if (size != size_) {
        colour_.Reset();
        colourBits_ = nullptr;
        mask_.Reset();
        size_ = size;
        const auto pixels = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
        transparent_.assign(pixels, 0);
        maskBits_.assign(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    }
    if (!colour_) {
        void* bits = nullptr;
        colour_.Reset(TalliedDibSection(TopDownBitmapInfo(size), &bits));
        colourBits_ = static_cast<std::uint32_t*>(bits);
    }
    if (!mask_) mask_.Reset(TalliedMonochromeBitmap(size, size, nullptr));
    return colour_ && colourBits_ != nullptr && mask_;
}

HICON IconCanvas::MakeIcon(const Pixels& painted, const FaceMask& transparent, int size) {
    if (size < kFaceSize || size > kMaxIconSize || !Ready(size)) return nullptr;
    // Whatever the system still has queued for the bitmap is done before its bits are written.
    GdiFlush();

    // A classic icon: the mask alone decides what is transparent (a set bit lets the background
    // through), and the colour image is black there, because the colour is XORed onto the
    // background wherever the mask is set. The alpha bytes stay 0, so every painter goes by the
    // mask instead of alpha. Both are made at 16x16 and enlarged in solid blocks: no painter
    // gets the chance to smooth the digits.
    // Larger icons also say in alpha what the mask says (fully opaque or fully transparent, so
    // nothing is blended). A mask whose rows are padded (any size not a multiple of 16) can be
    // garbled where the icon is copied over to the tray (Wine packs the rows without their
    // padding); a painter that finds alpha goes by the alpha and never reads the mask.
    const std::uint32_t opaque = size == kFaceSize ? 0u : 0xFF000000u;
    std::array<std::uint32_t, kFaceSize * kFaceSize> colours{};
    std::array<std::uint8_t, kFaceSize * kFaceSize> clear{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (transparent[i]) {
            clear[i] = 1;
        } else {
            colours[i] = opaque | BitmapPixel(static_cast<COLORREF>(painted[i]));
        }
    }
    const auto pixels = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    EnlargeFace<std::uint32_t>(colours, size, std::span(colourBits_, pixels));
    EnlargeFace<std::uint8_t>(clear, size, transparent_);

    // The mask's rows are padded to 16 bits; a set bit, from the left, is a transparent pixel.
    const auto rowBytes = static_cast<std::size_t>((size + 15) / 16 * 2);
    std::fill(maskBits_.begin(), maskBits_.end(), std::uint8_t{0});
    for (std::size_t y = 0; y < static_cast<std::size_t>(size); ++y) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(size); ++x) {
            if (transparent_[y * static_cast<std::size_t>(size) + x] != 0)
                maskBits_[y * rowBytes + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        }
    }
    if (SetBitmapBits(mask_.Get(), static_cast<DWORD>(maskBits_.size()), maskBits_.data()) == 0)
        return nullptr;
    return TalliedIconFromBitmaps(colour_.Get(), mask_.Get());
}

}  // namespace gv::win32
