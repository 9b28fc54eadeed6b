// What the settings window hears from outside the program: a second start from the same
// folder, the tray icon's clicks, a new taskbar, changes of the clock, the density, the regional
// formats and the system's colours, a wake-up.
#include "win32/names.h"
#include "win32/single_instance.h"
#include "win32/system_clock.h"
#include "win32/system_events.h"
#include "win32/tray_icon.h"
#include "win32/win32_settings_window.h"

namespace gv::win32 {

// The clock refreshes at once after the tray took the icon anew, which may have been with an
// empty tooltip.
void Win32SettingsWindow::RecheckTray(bool newTaskbar) {
    if (tray_ != nullptr && tray_->ResendIfTrayChanged(newTaskbar) && events_ != nullptr)
        events_->OnTrayChanged();
}

bool Win32SettingsWindow::OnSystemMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT& result) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A new taskbar: the shell restarted and has forgotten the icon, or the scaling changed
        // and the tray now draws icons at another size.
        RecheckTray(true);
        result = 0;
        return true;
    }
    if (message == secondStart_ && secondStart_ != 0) {
        // Started again from this folder: this clock comes forward instead of a second one.
        const bool taken = events_ != nullptr && IsThisFolder(wParam) && events_->OnSecondStart();
        result = taken ? kSecondStartTaken : 0;
        return true;
    }
    if (message == kTrayCallbackMessage) {
        // The icon's mouse events, the message number in lParam (wParam is the icon's id).
        const auto button = ReleasedButton(static_cast<std::uint32_t>(lParam));
        if (events_ != nullptr && wParam == kTrayIconId && button)
            events_->OnTrayIconReleased(*button);
        result = 0;
        return true;
    }
    switch (message) {
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            // A face may hold system colours: the icon is drawn again at once, and the preview,
            // which looks them up as it paints.
            if (events_ != nullptr) events_->OnSystemColoursChanged();
            preview_.Repaint();
            // The controls are the common controls', which hear of new colours only from their
            // parent; a new visual style reaches every window by itself.
            for (HWND child = GetWindow(window_.Get(), GW_CHILD);
                 message == WM_SYSCOLORCHANGE && child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, message, wParam, lParam);
            }
            return false;
        case WM_DPICHANGED:
            // The window moved to a monitor of another DPI, or the scaling changed.
            RecheckTray(false);
            ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            result = 0;
            return true;
        case WM_DISPLAYCHANGE:
            RecheckTray(false);
            return false;  // the default handling follows
        case WM_SETTINGCHANGE:
            // The tray's icon size may have changed with it too.
            RecheckTray(false);
            if (events_ != nullptr && IsRegionalChange(lParam))
                events_->OnLocaleChanged(LoadUserLocale());
            return false;
        case WM_TIMECHANGE:
            if (events_ != nullptr) events_->OnClockChanged();
            result = 0;
            return true;
        case WM_POWERBROADCAST:
            if (events_ != nullptr && IsResume(wParam)) events_->OnClockChanged();
            result = TRUE;
            return true;
        default:
            return false;
    }
}

}  // namespace gv::win32
