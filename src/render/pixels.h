#pragma once

#include <array>

#include "common/colour.h"

namespace gv {

inline constexpr int kFaceSize = 16;  // the face is 16x16 pixels
inline constexpr int kTwipsPerPixel = 15;

// A 16x16 picture, row by row from the top; each pixel is a colour value as drawn (system
// colours stay system colours until the platform paints them).
using Pixels = std::array<Colour, kFaceSize * kFaceSize>;

}  // namespace gv
