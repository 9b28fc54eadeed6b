#pragma once

namespace gv {

// The program's lengths are twips, 1440 to the inch: 15 to a pixel at 96 DPI, the density the
// window and the face were designed at.
inline constexpr int kTwipsPerPixelAt96 = 15;

// A screen of `dpi` dots per inch has 1440 / dpi twips to a pixel (7.5 at 192), kept as a float.
inline float TwipsPerPixelAt(int dpi) { return 1440.0f / static_cast<float>(dpi); }

// The nearest whole pixel for a length in twips (half away from zero), limited to +-1e9 so that
// no value breaks the conversion.
int TwipsToPixels(double twips, float twipsPerPixel);

// A designed length in twips at a DPI, to the nearest pixel (a half rounds up: designed lengths
// are never negative).
int DesignTwipsToPixels(int twips, int dpi);

}  // namespace gv
