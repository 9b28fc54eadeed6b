#include "render/enlarge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gv {
namespace {

// A face whose every pixel has a colour of its own (so each destination pixel names the face
// pixel it came from) and a transparency pattern that is neither rows nor columns.
Pixels NumberedFace() {
    Pixels face{};
    for (int i = 0; i < kFaceSize * kFaceSize; ++i) face[static_cast<std::size_t>(i)] = 0x10000 + i;
    return face;
}

std::array<char, kFaceSize * kFaceSize> Transparency() {
    std::array<char, kFaceSize * kFaceSize> clear{};
    for (int y = 0; y < kFaceSize; ++y)
        for (int x = 0; x < kFaceSize; ++x)
            clear[static_cast<std::size_t>(y * kFaceSize + x)] = (x * 3 + y * 5) % 7 < 3 ? 1 : 0;
    return clear;
}

struct Case {
    int size;
    // The width of each face column's block, left to right (the rows are cut the same way).
    std::string widths;
};

const Case kCases[] = {
    {16, "1111111111111111"}, {20, "1112111211121112"}, {24, "1212121212121212"},
    {32, "2222222222222222"}, {40, "2323232323232323"}, {48, "3333333333333333"},
};

TEST(Enlarge, EveryPixelAndItsTransparencyComeFromOneFacePixelInSolidBlocks) {
    const Pixels face = NumberedFace();
    const auto clear = Transparency();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.size);
        const auto n = static_cast<std::size_t>(c.size);
        std::vector<Colour> out(n * n, -1);  // no face pixel has this value
        EnlargeFace<Colour>(face, c.size, out);
        std::vector<char> mask(n * n, 2);
        EnlargeFace<char>(clear, c.size, mask);

        // Which face column and row each destination column and row shows, read off the
        // picture itself: the top row gives the columns, the left column the rows.
        std::vector<int> column(n), row(n);
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_NE(out[i], -1) << "column " << i << " was not written";
            column[i] = (out[i] - 0x10000) % kFaceSize;
            row[i] = (out[i * n] - 0x10000) / kFaceSize;
        }
        // Every destination pixel is exactly the face pixel of its column and row, and as
        // transparent as that pixel.
        for (std::size_t y = 0; y < n; ++y)
            for (std::size_t x = 0; x < n; ++x) {
                const auto source = static_cast<std::size_t>(row[y] * kFaceSize + column[x]);
                ASSERT_EQ(out[y * n + x], face[source]) << x << "," << y;
                ASSERT_EQ(mask[y * n + x], clear[source]) << x << "," << y;
            }
        // Columns go through the face in order, each face column in one block of the expected
        // width, and the rows are cut exactly like the columns.
        std::string widths;
        for (int f = 0; f < kFaceSize; ++f) {
            int width = 0;
            for (std::size_t i = 0; i < n; ++i) {
                if (column[i] != f) continue;
                ++width;
                if (i > 0) {
                    EXPECT_LE(column[i - 1], f);
                }
            }
            widths += std::to_string(width);
        }
        EXPECT_EQ(widths, c.widths);
        EXPECT_EQ(row, column);
    }
}

TEST(Enlarge, AWrongBufferOrASmallerSizeIsLeftAlone) {
    const Pixels face = NumberedFace();
    struct Bad {
        int size;
        std::size_t length;
    } cases[] = {{24, 24 * 24 - 1}, {24, 24 * 24 + 1}, {15, 15 * 15}, {0, 0}, {-16, 256}};
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.size);
        std::vector<Colour> out(c.length, 7);
        EnlargeFace<Colour>(face, c.size, out);
        EXPECT_EQ(out, std::vector<Colour>(c.length, 7));
    }
}

}  // namespace
}  // namespace gv
