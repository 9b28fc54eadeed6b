#include "fake/fake_notify_area.h"

namespace gv::fake {

IconPicture FakeNotifyArea::Paint(const IconPicture& picture) const {
    IconPicture painted = picture;
    for (Colour& c : painted.pixels) c += IsSystemColour(c) ? systemShade : 0;
    painted.mask += IsSystemColour(painted.mask) ? systemShade : 0;
    return painted;
}

bool FakeNotifyArea::Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) {
    if (!log_.quiet) sent.push_back(command);
    const bool add = command == TrayCommand::Add;
    if (add == icon.has_value()) return false;
    log_.Add(add ? "tray add" : command == TrayCommand::Delete ? "tray delete" : "tray modify");
    if (command == TrayCommand::Delete) {
        icon.reset();
        return true;
    }
    if (add) icon = Icon{};
    if (painted != nullptr) {
        icon->picture = painted->pixels;
        for (std::size_t p = 0; p < painted->pixels.size(); ++p)
            icon->transparent[p] = painted->pixels[p] == painted->mask;
    }
    if (command != TrayCommand::ModifyPicture) icon->tip = tip;
    return true;
}

bool FakeNotifyArea::Announce(std::string_view title, std::string_view text) {
    announced.push_back(std::string(title) + ": " + std::string(text));
    log_.Add(icon ? "tray announce" : "tray announce refused");
    return icon.has_value();
}

}  // namespace gv::fake
