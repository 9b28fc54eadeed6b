#include "platform/notify_filter.h"

#include <gtest/gtest.h>

namespace gv {
namespace {

NotifyIconData Record(std::uint32_t flags, const char* tip) {
    NotifyIconData d;
    d.cbSize = kNotifyIconDataSize;
    d.uID = 1;
    d.uFlags = flags;
    for (std::size_t i = 0; tip[i] != 0 && i < 63; ++i) d.szTip[i] = tip[i];
    return d;
}

// Not a shell message: the step tells the filter to forget (a new taskbar, a new icon size).
constexpr std::uint32_t kForget = ~0u;

TEST(NotifyFilter, SkipsOnlyAModifyThatChangesNothing) {
    using Picture = NotifyFilter::Picture;
    Picture a{Pixels{}, kButtonFace};
    Picture b = a;
    b.pixels[17] = 0xFF;
    Picture otherMask = a;
    otherMask.mask = 0;
    const std::uint32_t full = kNifIcon | kNifTip;
    struct Step {
        std::uint32_t message;
        NotifyIconData data;
        std::optional<Picture> picture;
        bool accepted;  // the shell's answer, when sent
        bool sent;      // what the filter should decide
    } steps[] = {
        {kNimModify, Record(full, "12:00"), a, false, true},  // nothing known yet
        {kNimAdd, Record(full | kNifMessage, ""), a, true, true},
        {kNimModify, Record(full, ""), a, true, false},      // same as the add
        {kNimModify, Record(full, "12:00"), a, true, true},  // the tooltip changed
        {kNimModify, Record(full, "12:00"), a, true, false},
        {kNimModify, Record(full, "12:00"), b, true, true},  // one pixel changed
        {kNimModify, Record(full, "12:00"), otherMask, true, true},
        {kNimModify, Record(kNifTip, "12:00"), otherMask, true, true},  // partial: always sent
        {kNimModify, Record(full, "12:00"), otherMask, true, true},     // ...and forgotten
        {kNimModify, Record(full, "12:00"), otherMask, true, false},
        {kNimModify, Record(full, "12:00"), std::nullopt, true, true},  // unknown picture
        {kNimModify, Record(full, "12:00"), a, false, true},  // refused: forget what was shown
        {kNimModify, Record(full, "12:00"), a, true, true},
        {kNimDelete, Record(0, ""), std::nullopt, true, true},
        {kNimModify, Record(full, "12:00"), a, false, false},    // deleted: it would be refused
        {kNimDelete, Record(0, ""), std::nullopt, false, true},  // a second delete, refused
        {kNimModify, Record(full, "12:00"), a, false, false},
        {kNimAdd, Record(full | kNifMessage, ""), a, false, true},  // refused: still deleted
        {kNimModify, Record(full, "12:00"), a, false, false},
        {kNimAdd, Record(full | kNifMessage, ""), a, true, true},
        {kNimModify, Record(full, ""), a, true, false},
        {kNimModify, Record(full, "12:01"), a, true, true},
        {kForget, {}, std::nullopt, false, false},
        {kNimModify, Record(full, "12:01"), a, true, true},  // after forgetting: sent again
        {kNimModify, Record(full, "12:01"), a, true, false},
        {kNimDelete, Record(0, ""), std::nullopt, true, true},
        {kForget, {}, std::nullopt, false, false},
        {kNimModify, Record(full, "12:01"), a, true, true},  // no longer known to be deleted
    };
    NotifyFilter filter;
    int i = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(i++);
        if (s.message == kForget) {
            filter.Forget();
            continue;
        }
        const bool send = filter.ShouldSend(s.message, s.data, s.picture);
        EXPECT_EQ(send, s.sent);
        if (send) filter.Sent(s.message, s.data, s.picture, s.accepted);
    }
}

}  // namespace
}  // namespace gv
