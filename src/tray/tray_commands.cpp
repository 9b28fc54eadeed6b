#include "tray/tray_commands.h"

#include <string>

namespace gv {
namespace {

NotifyIconData NewRecord(const Platform& platform) {
    NotifyIconData data;
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = platform.window.Handle();
    data.uID = 1;
    return data;
}

// Length of the UTF-8 sequence that starts at s[i]; 1 for a stray or truncated byte, so that
// malformed text still advances and is converted byte by byte.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    std::size_t n = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 1;
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

}  // namespace

void FillTip(CodePage& codePage, std::string_view tip, std::array<char, 64>& szTip) {
    szTip.fill(0);
    std::size_t used = 0;
    std::string bytes;  // one character's bytes: short enough to stay off the heap
    for (std::size_t i = 0; i < tip.size();) {
        const std::size_t n = SequenceLength(tip, i);
        bytes.clear();
        codePage.ToAnsi(tip.substr(i, n), bytes);
        if (used + bytes.size() > szTip.size() - 1) break;  // keep room for the terminator
        for (char b : bytes) szTip[used++] = b;
        i += n;
    }
}

void AddTrayIcon(const Platform& platform, std::string_view tip) {
    NotifyIconData data = NewRecord(platform);
    data.uFlags = kNifMessage | kNifIcon | kNifTip;
    data.uCallbackMessage = kWmMouseMove;
    OwnedIcon icon(platform.images);
    data.hIcon = icon.Handle();
    FillTip(platform.codePage, tip, data.szTip);
    platform.shell.NotifyIcon(kNimAdd, data);
}

void HideToTray(const Platform& platform, std::string_view tip) {
    platform.window.SetVisible(false);
    AddTrayIcon(platform, tip);
}

void ModTray(const Platform& platform, std::string_view tip) {
    NotifyIconData data = NewRecord(platform);
    data.uFlags = kNifIcon | kNifTip;
    FillTip(platform.codePage, tip, data.szTip);
    // Between two changes of the face nearly every refresh would hand the tray what it shows
    // already; asking first spares making an icon only for the call to be skipped.
    if (!platform.shell.ModifyWouldChange(data, platform.images.Picture())) return;
    OwnedIcon icon(platform.images);
    data.hIcon = icon.Handle();
    platform.shell.NotifyIcon(kNimModify, data);
}

void DeleteTrayIcon(const Platform& platform) {
    platform.shell.NotifyIcon(kNimDelete, NewRecord(platform));
}

bool ModTrayIcon(const Platform& platform) {
    NotifyIconData data = NewRecord(platform);
    data.uFlags = kNifIcon;
    OwnedIcon icon(platform.images);
    data.hIcon = icon.Handle();
    return platform.shell.NotifyIcon(kNimModify, data);
}

void ShowWnd(const Platform& platform) {
    Window& window = platform.window;
    window.RestoreNormal();
    window.Show();
    window.SetVisible(true);
    DeleteTrayIcon(platform);
    window.SetFocus();
    SetZPos(platform.shell, window.Handle(), 1);
}

std::int32_t SetZPos(Shell& shell, WindowHandle window, std::int16_t mode) {
    std::int32_t after = 0;
    switch (mode) {
        case 0:
            after = kHwndNoTopmost;
            break;
        case 1:
            after = kHwndTopmost;
            break;
        case 2:
            after = kHwndTop;
            break;
        default:
            return 0;
    }
    return shell.SetWindowPos(window, after, kSwpShowWindow | kSwpNoMove | kSwpNoSize);
}

}  // namespace gv
