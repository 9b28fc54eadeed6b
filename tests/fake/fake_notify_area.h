#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fake/log.h"
#include "ports/notify_area.h"

namespace gv::fake {

// The notification area: refuses an add while the icon is there, a modify or delete while not.
class FakeNotifyArea final : public NotifyArea {
  public:
    explicit FakeNotifyArea(Log& log) : log_(log) {}
    // System colours are shaded by `systemShade`: a change of it is a change of theme.
    IconPicture Paint(const IconPicture& picture) const override;
    bool Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) override;
    // Like a modify: refused while there is no icon.
    bool Announce(std::string_view title, std::string_view text) override;

    struct Icon {
        Pixels picture{};
        std::array<bool, 256> transparent{};
        TipBytes tip{};
    };
    std::optional<Icon> icon;
    std::vector<TrayCommand> sent;       // taken or not
    std::vector<std::string> announced;  // the title and the text, taken or not
    Colour systemShade = 0;

  private:
    Log& log_;
};

}  // namespace gv::fake
