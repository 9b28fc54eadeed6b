#pragma once

#include "render/pixels.h"

namespace gv {

// Picture1's drawing: a 16x16 pixel buffer addressed in twips. A position maps to the nearest
// pixel (x / 15 rounded, halves up), which keeps the analog face symmetric about its centre
// pixel; anything off the surface is clipped without complaint. Lines are solid, 8-connected
// and include both end pixels. Colours are stored as given: painting system colours is the
// platform's business.
class Surface {
  public:
    Surface() { pixels_.fill(0); }

    void Erase(Colour background) { pixels_.fill(background); }
    void PSet(float x, float y, Colour colour);
    void Line(float x1, float y1, float x2, float y2, Colour colour);

    const Pixels& Image() const { return pixels_; }
    Colour At(int px, int py) const { return pixels_[py * kFaceSize + px]; }

  private:
    void Plot(int px, int py, Colour colour);
    Pixels pixels_;
};

// The pixel a twip position falls on, before clipping.
int TwipsToPixel(float twips);

}  // namespace gv
