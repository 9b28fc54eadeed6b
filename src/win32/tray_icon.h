#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "ports/notify_area.h"
#include "ports/tray_keeper.h"
#include "win32/icon_canvas.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// The size the tray draws notification icons at: the small-icon metric at the system DPI (16 at
// 96 DPI, 32 at 192), kept between 16 and IconCanvas::kMaxIconSize.
int TrayIconSize();

// The clock's tray icon on Windows: the keeper that holds what the tray should show and what it
// shows, the icon made at the tray's icon size (the face enlarged in solid blocks, so that the
// tray has nothing left to scale and blur), the record sent through Shell_NotifyIconA, and a
// retry of a refused add. The settings window forwards it the messages that concern the tray.
class TrayIcon final : public NotifyArea {
  public:
    TrayIcon(HWND window, CodePage& codePage);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    TrayKeeper& Keeper() { return keeper_; }

    IconPicture Paint(const IconPicture& picture) const override;
    bool Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) override;
    // A balloon, sent through Shell_NotifyIconW: the first record carries no balloon.
    bool Announce(std::string_view title, std::string_view text) override;

    // The icon size is read again; a new taskbar (the shell restarted, or the scaling changed)
    // or a new size hands the tray the icon again at once; true when it did.
    bool ResendIfTrayChanged(bool newTaskbar);
    // The retry timer's tick.
    void Retry();
    void StopRetrying();

    static constexpr UINT_PTR kRetryTimerId = 2;

  private:
    HWND window_;
    TrayKeeper keeper_;
    IconCanvas canvas_;
    int iconSize_ = kFaceSize;
    // Refused adds tried again in a row; an add that the tray takes restores them.
    static constexpr int kRetries = 30;
    int retriesLeft_ = kRetries;
};

}  // namespace gv::win32
