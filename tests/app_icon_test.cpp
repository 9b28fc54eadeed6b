#include "face/app_icon.h"

#include <gtest/gtest.h>

namespace gv {
namespace {

using enum AppIconInk;

// Edges of the blocks of the 12 o'clock dot, the hands' meeting point and the 3 o'clock hand's
// tip, and just past them: asymmetric, so a turned or mirrored picture fails too.
struct Case {
    int size, x, y;
    AppIconInk ink;
};
const Case kCases[] = {
    {16, 7, 0, Dot},    {16, 8, 0, Clear},    {16, 7, 1, Clear},     {16, 7, 2, Hand},
    {16, 12, 7, Hand},  {16, 13, 7, Clear},   {16, 14, 7, Dot},      {16, 7, 14, Dot},
    {20, 9, 0, Dot},    {20, 10, 0, Clear},   {32, 25, 15, Hand},    {32, 26, 15, Clear},
    {256, 127, 0, Dot}, {256, 128, 0, Clear}, {256, 207, 127, Hand}, {256, 208, 127, Clear},
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
