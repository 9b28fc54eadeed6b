#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "render/pixels.h"

namespace gv {

// The face row or column that row or column `d` of an n-pixel enlargement shows. Face pixel x
// fills the columns floor(x * n / 16) to floor((x + 1) * n / 16) - 1, so every destination
// pixel comes from exactly one face pixel and the blocks differ in size by one at most.
constexpr int FaceSourceOf(int d, int n) { return (d * kFaceSize + kFaceSize - 1) / n; }

// The 16x16 face enlarged to n x n by nearest neighbour, in solid blocks with no pixel blended;
// `out` receives the n * n pixels row by row. n = 16 copies the face as it is.
template <typename T>
void EnlargeFace(const std::array<T, kFaceSize * kFaceSize>& face, int n, std::span<T> out) {
    if (n <= 0 || out.size() < static_cast<std::size_t>(n) * static_cast<std::size_t>(n)) return;
    for (int y = 0; y < n; ++y) {
        const auto row = static_cast<std::size_t>(FaceSourceOf(y, n) * kFaceSize);
        for (int x = 0; x < n; ++x) {
            out[static_cast<std::size_t>(y * n + x)] =
                face[row + static_cast<std::size_t>(FaceSourceOf(x, n))];
        }
    }
}

}  // namespace gv
