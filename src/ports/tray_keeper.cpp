#include "ports/tray_keeper.h"

namespace gv {

void TrayKeeper::Add(const IconPicture& picture, std::string_view tip) {
    inTray_ = true;
    picture_ = picture;
    Send(TrayCommand::Add, EncodeTip(codePage_, tip));
}

void TrayKeeper::Modify(const IconPicture& picture, std::string_view tip) {
    ++counts_.modifiesAsked;
    picture_ = picture;
    Send(TrayCommand::Modify, EncodeTip(codePage_, tip));
}

void TrayKeeper::Remove() {
    inTray_ = false;
    Send(TrayCommand::Delete, TipBytes{});
}

void TrayKeeper::HandAgain() {
    if (!inTray_) return;
    filter_.Forget();
    if (!Send(TrayCommand::ModifyPicture, TipBytes{})) Send(TrayCommand::Add, TipBytes{});
}

bool TrayKeeper::Send(TrayCommand command, const TipBytes& tip) {
    const bool modify = command == TrayCommand::Modify || command == TrayCommand::ModifyPicture;
    // Painted now, so that a changed system colour makes a different picture.
    std::optional<IconPicture> painted;
    if (picture_) painted = area_.Paint(*picture_);
    if (!filter_.ShouldSend(command, painted, tip)) {
        if (modify) ++counts_.modifiesSkipped;
        return true;
    }
    const bool done = area_.Send(command, painted ? &*painted : nullptr, tip);
    filter_.Sent(command, painted, tip, done);
    if (modify) ++counts_.modifiesSent;
    if (!done) ++counts_.refused;
    return done;
}

}  // namespace gv
