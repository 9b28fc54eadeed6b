#include "platform/notify_filter.h"

namespace gv {

bool NotifyFilter::ShouldSend(std::uint32_t message, const NotifyIconData& data,
                              const std::optional<Picture>& picture) const {
    if (message != kNimModify) return true;
    if (deleted_) return false;
    if (!shown_ || !picture) return true;
    if (data.uFlags != (kNifIcon | kNifTip)) return true;
    return !(shown_->picture == *picture && shown_->tip == data.szTip);
}

void NotifyFilter::Sent(std::uint32_t message, const NotifyIconData& data,
                        const std::optional<Picture>& picture, bool accepted) {
    const bool full = (data.uFlags & (kNifIcon | kNifTip)) == (kNifIcon | kNifTip);
    if (accepted && message == kNimDelete) deleted_ = true;
    if (accepted && message == kNimAdd) deleted_ = false;
    if (accepted && (message == kNimAdd || message == kNimModify) && full && picture) {
        shown_ = Shown{*picture, data.szTip};
    } else {
        // A delete, a refused call or a partial one: we no longer know what the icon shows,
        // so the next modify goes through.
        shown_.reset();
    }
}

void NotifyFilter::Forget() {
    shown_.reset();
    deleted_ = false;
}

}  // namespace gv
