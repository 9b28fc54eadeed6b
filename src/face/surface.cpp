#include "face/surface.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "base/twips.h"

namespace gv {

int Surface::NearestPixelHalfUp(float twips) {
    const double p = std::floor(static_cast<double>(twips) / kTwipsPerPixelAt96 + 0.5);
    // Far-off positions (or NaN) land outside the surface and are clipped; clamp so that the
    // integer conversion itself is always defined.
    if (!(p > -1e6)) return -1000000;
    if (p > 1e6) return 1000000;
    return static_cast<int>(p);
}

void Surface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    // Bresenham between the two end pixels, both included.
    int x = NearestPixelHalfUp(x1), y = NearestPixelHalfUp(y1);
    const int xEnd = NearestPixelHalfUp(x2), yEnd = NearestPixelHalfUp(y2);
    const long long dx = std::llabs(static_cast<long long>(xEnd) - x);
    const long long dy = -std::llabs(static_cast<long long>(yEnd) - y);
    const int sx = x < xEnd ? 1 : -1;
    const int sy = y < yEnd ? 1 : -1;
    long long err = dx + dy;
    // The clamp in NearestPixelHalfUp bounds the walk even for far-off end points.
    for (long long steps = 0; steps <= dx - dy; ++steps) {
        PlotPixel(x, y, colour);
        if (x == xEnd && y == yEnd) break;
        long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace gv
