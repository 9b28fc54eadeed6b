#include "common/twips.h"

#include <algorithm>
#include <cmath>

namespace gv {

int TwipsToPixels(double twips, float twipsPerPixel) {
    const double pixels = twips / static_cast<double>(twipsPerPixel);
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(std::lround(std::clamp(pixels, -1.0e9, 1.0e9)));
}

}  // namespace gv
