#include "face/app_icon.h"

#include "face/enlarge.h"
#include "face/pixels.h"

namespace gv {
namespace {

// Y: hour dot, R: hand, '.': clear. The hands meet at (7, 7); each dot is its hour's point on
// the circle of radius 7 round it, rounded to the nearest pixel (halves away from the centre).
constexpr const char* kPicture[kFaceSize] = {
    ".......Y........",  //
    "...Y.......Y....",  //
    ".......R........",  //
    ".Y.....R.....Y..",  //
    ".......R........",  //
    ".......R........",  //
    ".......R........",  //
    "Y......RRRRRR.Y.",  //
    "................",  //
    "................",  //
    "................",  //
    ".Y...........Y..",  //
    "................",  //
    "...Y.......Y....",  //
    ".......Y........",  //
    "................",  //
};

}  // namespace

std::vector<AppIconInk> DrawAppIcon(int size) {
    if (size < kFaceSize) return {};
    std::array<AppIconInk, kFaceSize * kFaceSize> face{};
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            const char c = kPicture[y][x];
            face[static_cast<std::size_t>(y * kFaceSize + x)] = c == 'Y'   ? AppIconInk::Dot
                                                                : c == 'R' ? AppIconInk::Hand
                                                                           : AppIconInk::Clear;
        }
    }
    std::vector<AppIconInk> out(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    EnlargeFace<AppIconInk>(face, size, out);
    return out;
}

}  // namespace gv
