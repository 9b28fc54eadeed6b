#include "render/enlarge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace gv {
namespace {

// Every face pixel different, so a destination pixel tells which face pixel it came from.
std::array<int, kFaceSize * kFaceSize> Numbered() {
    std::array<int, kFaceSize * kFaceSize> face{};
    for (std::size_t i = 0; i < face.size(); ++i) face[i] = static_cast<int>(i);
    return face;
}

TEST(Enlarge, SixteenIsTheFaceItself) {
    const auto face = Numbered();
    std::vector<int> out(256, -1);
    EnlargeFace(face, 16, std::span<int>(out));
    EXPECT_TRUE(std::equal(out.begin(), out.end(), face.begin()));
}

// The blocks, drawn the other way round: each face pixel paints its own block, and the result
// must be what the enlargement reads back pixel by pixel.
TEST(Enlarge, EveryPixelComesFromTheBlockOfExactlyOneFacePixel) {
    const auto face = Numbered();
    for (const int n : {16, 20, 24, 32, 36, 40, 48, 60}) {
        SCOPED_TRACE(n);
        std::vector<int> painted(static_cast<std::size_t>(n * n), -1);
        std::vector<int> blockSizes;
        for (int fy = 0; fy < kFaceSize; ++fy) {
            for (int fx = 0; fx < kFaceSize; ++fx) {
                for (int y = fy * n / 16; y < (fy + 1) * n / 16; ++y) {
                    for (int x = fx * n / 16; x < (fx + 1) * n / 16; ++x) {
                        auto& pixel = painted[static_cast<std::size_t>(y * n + x)];
                        EXPECT_EQ(pixel, -1) << "painted twice at " << x << "," << y;
                        pixel = face[static_cast<std::size_t>(fy * 16 + fx)];
                    }
                }
            }
            blockSizes.push_back((fy + 1) * n / 16 - fy * n / 16);
        }
        EXPECT_EQ(std::count(painted.begin(), painted.end(), -1), 0);
        const auto [smallest, largest] = std::minmax_element(blockSizes.begin(), blockSizes.end());
        EXPECT_LE(*largest - *smallest, 1);

        std::vector<int> out(painted.size(), -1);
        EnlargeFace(face, n, std::span<int>(out));
        EXPECT_EQ(out, painted);
    }
}

TEST(Enlarge, TooSmallAnOutputIsLeftAlone) {
    const auto face = Numbered();
    std::vector<int> out(20 * 20 - 1, -1);
    EnlargeFace(face, 20, std::span<int>(out));
    EXPECT_EQ(std::count(out.begin(), out.end(), -1), static_cast<long>(out.size()));
}

}  // namespace
}  // namespace gv
