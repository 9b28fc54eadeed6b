#pragma once

#include <array>

#include "base/colour.h"

namespace gv {

inline constexpr int kFaceSize = 16;

// A 16x16 picture, row by row from the top; each pixel is a colour value as drawn (system
// colours stay system colours until the system paints them).
using Pixels = std::array<Colour, kFaceSize * kFaceSize>;

// An icon's picture: its pixels and the colour that is transparent in it. The program hands the
// tray the face as drawn; what the tray was last given is remembered as painted (system colours
// looked up), which is what the screen shows.
struct IconPicture {
    Pixels pixels;
    Colour mask;
    bool operator==(const IconPicture&) const = default;
};

}  // namespace gv
