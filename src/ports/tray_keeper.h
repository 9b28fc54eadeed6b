#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ports/code_page.h"
#include "ports/notify_area.h"
#include "ports/notify_filter.h"
#include "ports/tray.h"

namespace gv {

// How the tray's commands went, for the diagnostics report, the benchmarks and the tests.
struct TrayCounts {
    std::uint64_t modifiesAsked = 0;  // refreshes that handed the tray a picture and a tip
    std::uint64_t modifiesSent = 0;
    std::uint64_t modifiesSkipped = 0;  // would have changed nothing the user sees
    std::uint64_t refused = 0;          // commands of any kind the tray refused
};

// The one owner of the tray icon's state: whether the clock is in the tray, the picture it
// should show, what the tray shows (the filter), and the counts. It turns the clock's requests
// into the notification area's commands. Windows-free, so that the Win32 code and the tests run
// the very same decisions.
class TrayKeeper final : public Tray {
  public:
    TrayKeeper(NotifyArea& area, CodePage& codePage) : area_(area), codePage_(codePage) {}

    void Add(const IconPicture& picture, std::string_view tip) override;
    void Modify(const IconPicture& picture, std::string_view tip) override;
    void Remove() override;
    void Announce(std::string_view title, std::string_view text) override;

    // The tray may have lost the icon (a new taskbar, a refused add) or draws icons at another
    // size now. While the clock is in the tray, the tray gets the picture again: as a modify when
    // it still has the icon (a new taskbar after a change of scaling keeps it, and would refuse
    // an add), as an add with an empty tooltip when it has not. Nothing is skipped as a repeat.
    void ResendPicture();

    const TrayCounts& Counts() const { return counts_; }

  private:
    bool Send(TrayCommand command, const TipBytes& tip);
    void SendAnnouncement();

    NotifyArea& area_;
    CodePage& codePage_;
    NotifyFilter filter_;
    std::optional<IconPicture> picture_;  // the last picture asked for, as drawn
    bool inTray_ = false;
    bool taken_ = false;  // the tray took the last command sent, and it was no delete
    TrayCounts counts_;
    struct Announcement {
        std::string title, text;
    };
    std::optional<Announcement> announcement_;  // asked for, not sent yet
};

}  // namespace gv
