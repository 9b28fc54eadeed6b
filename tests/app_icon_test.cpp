#include "face/app_icon.h"

#include <gtest/gtest.h>

namespace gv {
namespace {

constexpr auto kClear = AppIconInk::kClear;
constexpr auto kDot = AppIconInk::kDot;
constexpr auto kHand = AppIconInk::kHand;

// Pixels at the edges of the blocks that the 12 o'clock dot (face pixel 7, 0), the hands' meeting
// point (7, 7) and the tip of the 3 o'clock hand (12, 7) become, and just past them. The hands
// are not symmetric, so a picture turned or mirrored fails too.
struct Case {
    int size, x, y;
    AppIconInk ink;
};
const Case kCases[] = {
    {16, 7, 0, kDot},       {16, 8, 0, kClear},     {16, 7, 1, kClear},      {16, 7, 2, kHand},
    {16, 12, 7, kHand},     {16, 13, 7, kClear},    {16, 14, 7, kDot},       {16, 7, 14, kDot},
    {20, 8, 0, kDot},       {20, 9, 0, kDot},       {20, 10, 0, kClear},     {20, 8, 1, kClear},
    {20, 15, 9, kHand},     {20, 16, 9, kClear},    {20, 15, 10, kClear},    {20, 17, 8, kDot},
    {24, 10, 0, kDot},      {24, 11, 0, kDot},      {24, 12, 0, kClear},     {24, 10, 1, kClear},
    {32, 14, 1, kDot},      {32, 16, 1, kClear},    {32, 14, 2, kClear},     {32, 25, 15, kHand},
    {32, 26, 15, kClear},   {40, 17, 0, kDot},      {40, 20, 0, kClear},     {40, 31, 18, kHand},
    {40, 32, 18, kClear},   {48, 21, 2, kDot},      {48, 21, 3, kClear},     {48, 38, 23, kHand},
    {48, 39, 23, kClear},   {64, 31, 3, kDot},      {64, 32, 3, kClear},     {64, 28, 28, kHand},
    {64, 27, 28, kClear},   {256, 112, 15, kDot},   {256, 127, 0, kDot},     {256, 128, 0, kClear},
    {256, 112, 16, kClear}, {256, 207, 127, kHand}, {256, 208, 127, kClear},
};

TEST(AppIcon, EverySizeIsThePictureInSolidBlocks) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.size << ": " << c.x << "," << c.y);
        const std::vector<AppIconInk> picture = DrawAppIcon(c.size);
        ASSERT_EQ(picture.size(), static_cast<std::size_t>(c.size * c.size));
        EXPECT_EQ(picture[static_cast<std::size_t>(c.y * c.size + c.x)], c.ink);
    }
}

TEST(AppIcon, NothingBelowTheFaceSize) { EXPECT_TRUE(DrawAppIcon(15).empty()); }

}  // namespace
}  // namespace gv
