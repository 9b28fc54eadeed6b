#pragma once

#include "face/pixels.h"

namespace gv {

// The face's drawing: a 16x16 pixel buffer addressed in twips. A position maps to the nearest
// pixel (x / 15 rounded at the designed 15 twips to a pixel, halves up), which keeps the analog
// face symmetric about its centre pixel; anything off the surface is clipped without complaint.
// Lines are solid, 8-connected and include both end pixels. Colours are stored as given: painting
// system colours is the platform's business.
class Surface {
  public:
    Surface() { pixels_.fill(0); }

    void Erase(Colour background) { pixels_.fill(background); }
    void PlotTwips(float x, float y, Colour colour) {
        PlotPixel(NearestPixelHalfUp(x), NearestPixelHalfUp(y), colour);
    }
    // The same for a whole-pixel position, which is what PlotTwips at (x * 15, y * 15) paints.
    void PlotPixel(long long x, long long y, Colour colour) {
        if (x < 0 || y < 0 || x >= kFaceSize || y >= kFaceSize) return;
        pixels_[static_cast<std::size_t>(y * kFaceSize + x)] = colour;
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour);

    const Pixels& Image() const { return pixels_; }
    Colour At(int px, int py) const { return pixels_[py * kFaceSize + px]; }

    // The pixel a twip position falls on, before clipping.
    static int NearestPixelHalfUp(float twips);

  private:
    Pixels pixels_;
};

}  // namespace gv
