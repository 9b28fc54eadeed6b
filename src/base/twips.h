#pragma once

namespace gv {

// The program's lengths are twips, 1440 to the inch: 15 to a pixel at 96 DPI, the density the
// window and the face were designed at.
inline constexpr int kTwipsPerPixelAt96 = 15;

// The densities anything is sized by. A DPI from outside the program (a message, the system) is
// brought into this range first: a forged 65535 would otherwise ask for a preview buffer of
// hundreds of megabytes, and 0 for a division by zero.
inline constexpr int kLowestDpi = 72;
inline constexpr int kHighestDpi = 960;

// Below the lowest density is no density the system could mean: 96, the standard one, stands in
// for it. Above the highest, the highest.
inline constexpr int UsableDpi(int dpi) {
    return dpi < kLowestDpi ? 96 : dpi > kHighestDpi ? kHighestDpi : dpi;
}

// A screen of `dpi` dots per inch has 1440 / dpi twips to a pixel (7.5 at 192), kept as a float.
inline float TwipsPerPixelAt(int dpi) { return 1440.0f / static_cast<float>(dpi); }

// The nearest whole pixel for a length in twips (half away from zero), limited to +-1e9 so that
// no value breaks the conversion.
int PixelsHalfAwayFromZero(double twips, float twipsPerPixel);

// A designed length in twips at a DPI, to the nearest pixel (a half rounds up: designed lengths
// are never negative).
int DesignPixelsHalfUp(int twips, int dpi);

}  // namespace gv
