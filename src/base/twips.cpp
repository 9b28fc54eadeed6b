#include "base/twips.h"

#include <algorithm>
#include <cmath>

namespace gv {

int PixelsHalfAwayFromZero(double twips, float twipsPerPixel) {
    const double pixels = twips / static_cast<double>(twipsPerPixel);
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(std::lround(std::clamp(pixels, -1.0e9, 1.0e9)));
}

int DesignPixelsHalfUp(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + 720) / 1440);
}

}  // namespace gv
