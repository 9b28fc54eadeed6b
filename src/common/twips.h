#pragma once

namespace gv {

// The program's lengths are twips, 1440 to the inch, as the window measures them: a screen of
// `dpi` dots per inch has 1440 / dpi twips to a pixel (15 at 96 DPI, 7.5 at 192), kept as a float.
inline float TwipsPerPixelAt(int dpi) { return 1440.0f / static_cast<float>(dpi); }

// The nearest whole pixel for a length in twips (half away from zero), limited to +-1e9 so that
// no value breaks the conversion.
int TwipsToPixels(double twips, float twipsPerPixel);

}  // namespace gv
