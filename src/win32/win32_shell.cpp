#include "platform/win32/win32_shell.h"

#include <cstddef>
#include <cstring>

#include "platform/win32/win32_image_list.h"
#include "platform/win32/win32_window.h"
#include "platform/win32/windows_api.h"

namespace gv::win32 {

// The tray keeps the record's first version; on 32-bit Windows that is the 88-byte layout the
// program's records describe, on 64-bit Windows the same fields with wider handles.
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == kNotifyIconDataSize);
#endif
static_assert(offsetof(NOTIFYICONDATAA, szTip) + sizeof(NotifyIconData{}.szTip) ==
              NOTIFYICONDATAA_V1_SIZE);

bool Win32Shell::NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    std::optional<IconPicture> picture;
    if ((data.uFlags & kNifIcon) != 0) picture = images_.PictureOf(data.hIcon);
    if (!filter_.ShouldSend(message, data, picture)) {
        // Sending it would change nothing the user sees: the icon already shows this, or it
        // was deleted and the shell would refuse the modify. Nobody looks at the answer.
        ++counts_.modifiesSkipped;
        return true;
    }

    NOTIFYICONDATAA record{};
    record.cbSize = data.cbSize == kNotifyIconDataSize ? NOTIFYICONDATAA_V1_SIZE : data.cbSize;
    record.hWnd = reinterpret_cast<HWND>(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data.hIcon);
    std::memcpy(record.szTip, data.szTip.data(), data.szTip.size());

    const bool done = Shell_NotifyIconA(message, &record) != FALSE;
    filter_.Sent(message, data, picture, done);
    if (message == kNimModify) ++counts_.modifiesSent;
    if (!done) ++counts_.refused;
    // While the system is still starting, the tray may not be there to take the icon yet.
    if (message == NIM_ADD && record.hWnd == window_.Hwnd()) {
        if (done) {
            window_.TrayIconAdded();
        } else {
            window_.TrayIconRefused();
        }
    }
    return done;
}

bool Win32Shell::ModifyWouldChange(const NotifyIconData& data,
                                   const std::optional<IconPicture>& picture) {
    if (filter_.ShouldSend(kNimModify, data, picture)) return true;
    ++counts_.modifiesSkipped;
    return false;
}

std::int32_t Win32Shell::SetWindowPos(WindowHandle window, std::int32_t after,
                                      std::uint32_t flags) {
    const HWND insertAfter = reinterpret_cast<HWND>(static_cast<INT_PTR>(after));
    return ::SetWindowPos(reinterpret_cast<HWND>(window), insertAfter, 0, 0, 0, 0, flags);
}

bool Win32Shell::GetWorkArea(WorkArea& area) {
    RECT rect{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0)) return false;
    area.left = rect.left;
    area.top = rect.top;
    area.right = rect.right;
    area.bottom = rect.bottom;
    return true;
}

}  // namespace gv::win32
