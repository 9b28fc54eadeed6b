#include "ports/tray_keeper.h"

#include <utility>

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

void TrayKeeper::ResendPicture() {
    if (!inTray_) return;
    filter_.Forget();
    if (!Send(TrayCommand::ModifyPicture, TipBytes{})) Send(TrayCommand::Add, TipBytes{});
}

void TrayKeeper::Announce(std::string_view title, std::string_view text) {
    announcement_ = Announcement{std::string(title), std::string(text)};
    // Otherwise the next command the tray takes for the icon sends it.
    if (taken_) SendAnnouncement();
}

void TrayKeeper::SendAnnouncement() {
    if (!announcement_) return;
    const Announcement said = std::move(*announcement_);
    announcement_.reset();  // once: a refused one is not tried again
    area_.Announce(said.title, said.text);
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
    // Only a command the tray took proves that it has the icon; a skipped one proves nothing.
    taken_ = done && command != TrayCommand::Delete;
    if (taken_) SendAnnouncement();
    return done;
}

}  // namespace gv
