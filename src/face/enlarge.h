#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "face/pixels.h"

namespace gv {

// A 16x16 picture shown larger (the tray icon at the tray's size, the preview at its control's
// size) is enlarged by nearest neighbour: face pixel (x, y) fills the destination columns
// EnlargedStart(x, size) to EnlargedStart(x + 1, size) - 1 and the same rows. Every destination
// pixel is a copy of exactly one face pixel, never a blend, so the digits stay crisp; blocks
// differ in size by at most one pixel. At size 16 the picture is unchanged.
inline constexpr int EnlargedStart(int faceIndex, int size) { return faceIndex * size / kFaceSize; }

// Writes `face` (16x16, row by row) enlarged to size x size into `out` (size * size values, row
// by row). Works for anything stored per pixel: colours, painted values, transparency. Nothing
// is written when `size` is below 16 or `out` has the wrong length.
template <typename T>
void EnlargeFace(const std::array<T, kFaceSize * kFaceSize>& face, int size, std::span<T> out) {
    if (size < kFaceSize || out.size() != static_cast<std::size_t>(size) * size) return;
    const auto width = static_cast<std::size_t>(size);
    for (int y = 0; y < kFaceSize; ++y) {
        const int firstRow = EnlargedStart(y, size);
        const int endRow = EnlargedStart(y + 1, size);
        // The first row of the block is spread from the face row; the others copy it.
        auto row = out.begin() + static_cast<std::ptrdiff_t>(firstRow * width);
        for (int x = 0; x < kFaceSize; ++x) {
            std::fill(row + EnlargedStart(x, size), row + EnlargedStart(x + 1, size),
                      face[static_cast<std::size_t>(y * kFaceSize + x)]);
        }
        for (int r = firstRow + 1; r < endRow; ++r) {
            std::copy(row, row + static_cast<std::ptrdiff_t>(width),
                      out.begin() + static_cast<std::ptrdiff_t>(r * width));
        }
    }
}

}  // namespace gv
