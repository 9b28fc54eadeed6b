#include "face/app_icon.h"

#include <gtest/gtest.h>

namespace gv {
namespace {

constexpr auto kClear = AppIconInk::kClear;
constexpr auto kDot = AppIconInk::kDot;
constexpr auto kHand = AppIconInk::kHand;

// Edges of the blocks of the 12 o'clock dot, the hands' meeting point and the 3 o'clock hand's
// tip, and just past them: asymmetric, so a turned or mirrored picture fails too.
struct Case {
    int size, x, y;
    AppIconInk ink;
};
const Case kCases[] = {
    {16, 7, 0, kDot},    {16, 8, 0, kClear},    {16, 7, 1, kClear},     {16, 7, 2, kHand},
    {16, 12, 7, kHand},  {16, 13, 7, kClear},   {16, 14, 7, kDot},      {16, 7, 14, kDot},
    {20, 9, 0, kDot},    {20, 10, 0, kClear},   {32, 25, 15, kHand},    {32, 26, 15, kClear},
    {256, 127, 0, kDot}, {256, 128, 0, kClear}, {256, 207, 127, kHand}, {256, 208, 127, kClear},
};

TEST(AppIcon, EverySizeIsThePictureInSolidBlocks) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.size << ": " << c.x << "," << c.y);
        const std::vector<AppIconInk> picture = DrawAppIcon(c.size);
        ASSERT_EQ(picture.size(), static_cast<std::size_t>(c.size * c.size));
        EXPECT_EQ(picture[static_cast<std::size_t>(c.y * c.size + c.x)], c.ink);
    }
}

}  // namespace
}  // namespace gv
