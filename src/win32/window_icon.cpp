#include "win32/window_icon.h"

#include "win32/icon_canvas.h"

namespace gv::win32 {

namespace {

// Y: hour dot, R: hand, '.': transparent. The hands meet at (7, 7); the dots lie on a circle
// of radius 7 around it.
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

constexpr Colour kYellow = 0x0000FFFF;  // red and green, 0x00BBGGRR
constexpr Colour kRed = 0x000000FF;

}  // namespace

WindowIconPicture DrawWindowIcon() {
    WindowIconPicture picture;
    for (int y = 0; y < kFaceSize; ++y) {
        for (int x = 0; x < kFaceSize; ++x) {
            const auto i = static_cast<std::size_t>(y * kFaceSize + x);
            switch (kPicture[y][x]) {
                case 'Y':
                    picture.pixels[i] = kYellow;
                    break;
                case 'R':
                    picture.pixels[i] = kRed;
                    break;
                default:
                    picture.transparent[i] = true;
                    break;
            }
        }
    }
    return picture;
}

HICON MakeWindowIcon() {
    const WindowIconPicture picture = DrawWindowIcon();
    return MakeFaceIcon(picture.pixels, picture.transparent);
}

}  // namespace gv::win32
