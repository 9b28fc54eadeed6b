#include "ports/notify_filter.h"

namespace gv {

bool NotifyFilter::ShouldSend(TrayCommand command, const std::optional<IconPicture>& picture,
                              const TipBytes& tip) const {
    if (command != TrayCommand::Modify && command != TrayCommand::ModifyPicture) return true;
    if (deleted_) return false;
    if (!shown_ || !picture || command != TrayCommand::Modify) return true;
    return !(shown_->picture == *picture && shown_->tip == tip);
}

void NotifyFilter::Sent(TrayCommand command, const std::optional<IconPicture>& picture,
                        const TipBytes& tip, bool accepted) {
    const bool full = command == TrayCommand::Add || command == TrayCommand::Modify;
    if (accepted && command == TrayCommand::Delete) deleted_ = true;
    if (accepted && command == TrayCommand::Add) deleted_ = false;
    if (accepted && full && picture) {
        shown_ = Shown{*picture, tip};
    } else {
        // A delete, a refused command or a partial one: we no longer know what the icon shows,
        // so the next modify goes through.
        shown_.reset();
    }
}

void NotifyFilter::Forget() {
    shown_.reset();
    deleted_ = false;
}

}  // namespace gv
