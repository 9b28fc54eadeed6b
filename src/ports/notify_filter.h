#pragma once

#include <optional>

#include "face/pixels.h"
#include "ports/notify_area.h"

namespace gv {

// At short intervals the face changes once a minute, yet every refresh hands the icon to the
// tray. This remembers what the tray last accepted for the icon, so that a modify that would
// show exactly the same picture and tooltip is not sent, nor a modify while the icon is known
// to be deleted (the window is up), which the tray would refuse. The user sees no difference:
// the skipped call would have changed nothing.
class NotifyFilter {
  public:
    // False when the command would change nothing the user can see. `picture` as painted.
    bool ShouldSend(TrayCommand command, const std::optional<IconPicture>& picture,
                    const TipBytes& tip) const;
    // How the tray answered a command that was sent.
    void Sent(TrayCommand command, const std::optional<IconPicture>& picture, const TipBytes& tip,
              bool accepted);
    // The tray may no longer be what the filter knows (a new taskbar), or the same picture is
    // now made at another size: the next command goes through whatever it carries.
    void Forget();

  private:
    struct Shown {
        IconPicture picture;
        TipBytes tip;
    };
    std::optional<Shown> shown_;  // what the icon shows, while we know it
    bool deleted_ = false;        // the tray accepted a delete and nothing was added since
};

}  // namespace gv
