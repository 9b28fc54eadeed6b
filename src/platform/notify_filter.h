#pragma once

#include <cstdint>
#include <optional>

#include "platform/shell.h"
#include "render/pixels.h"

namespace gv {

// At short intervals the face changes once a minute, yet every refresh hands the icon to the
// shell. This remembers what the shell last accepted for the icon, so that a platform can skip a
// modify that would show exactly the same picture and tooltip, and a modify while the icon is
// known to be deleted (the window is up), which the shell would refuse. The user sees no
// difference: the skipped call would have changed nothing.
class NotifyFilter {
  public:
    // What an icon handed to the shell looks like.
    using Picture = IconPicture;

    // False when the call would change nothing the user can see.
    bool ShouldSend(std::uint32_t message, const NotifyIconData& data,
                    const std::optional<Picture>& picture) const;
    // Tells the filter how the shell answered a call that was sent.
    void Sent(std::uint32_t message, const NotifyIconData& data,
              const std::optional<Picture>& picture, bool accepted);
    // The tray may no longer be what the filter knows (a new taskbar), or the same picture is
    // now made at another size: the next call goes through whatever it carries.
    void Forget();

  private:
    struct Shown {
        Picture picture;
        std::array<char, 64> tip;
    };
    std::optional<Shown> shown_;  // what the icon shows, while we know it
    bool deleted_ = false;        // the shell accepted a delete and nothing was added since
};

}  // namespace gv
