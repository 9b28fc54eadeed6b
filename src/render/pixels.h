#pragma once

#include <array>

#include "common/colour.h"

namespace gv {

inline constexpr int kFaceSize = 16;  // the face is 16x16 pixels
inline constexpr int kTwipsPerPixel = 15;

// A 16x16 picture, row by row from the top; each pixel is a colour value as drawn (system
// colours stay system colours until the platform paints them).
using Pixels = std::array<Colour, kFaceSize * kFaceSize>;

// What an icon looks like on the screen: its pixels as painted (system colours looked up) and
// its transparent colour, painted the same way.
struct IconPicture {
    Pixels pixels;
    Colour mask;
    bool operator==(const IconPicture&) const = default;
};

}  // namespace gv
