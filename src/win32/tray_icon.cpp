#include "win32/tray_icon.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "win32/handles.h"
#include "win32/text_convert.h"

namespace gv::win32 {
namespace {

constexpr UINT kRetryMilliseconds = 1000;

// The tray keeps the record's first version: 88 bytes on 32-bit Windows, the same fields with
// wider handles on 64-bit Windows.
static_assert(offsetof(NOTIFYICONDATAA, szTip) + sizeof(TipBytes) == NOTIFYICONDATAA_V1_SIZE);
static_assert(kTrayCallbackMessage == WM_APP + 1);
static_assert(kWmLButtonUp == WM_LBUTTONUP && kWmRButtonUp == WM_RBUTTONUP);
// The core's commands are the shell's own.
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
constexpr bool Is(TrayCommand command, DWORD message, UINT flags, UINT callback) {
    const NotifyRecordFields fields = RecordFieldsFor(command);
    return fields.message == message && fields.flags == flags && fields.callbackMessage == callback;
}
static_assert(Is(TrayCommand::Add, NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, WM_APP + 1));
static_assert(Is(TrayCommand::Modify, NIM_MODIFY, NIF_ICON | NIF_TIP, 0));
static_assert(Is(TrayCommand::ModifyPicture, NIM_MODIFY, NIF_ICON, 0));
static_assert(Is(TrayCommand::Delete, NIM_DELETE, 0, 0));

// UTF-8 into a fixed field of the record, cut so that the terminator fits.
template <std::size_t N>
void CopyInto(WCHAR (&field)[N], std::string_view text) {
    const std::wstring wide = Widen(text);
    const std::size_t n = std::min(wide.size(), N - 1);
    std::copy_n(wide.data(), n, field);
    field[n] = L'\0';
}

// Paints colours with each system colour looked up once, not once per pixel: the background
// alone covers most of a face, and every lookup is a call into the system.
class Painter {
  public:
    Colour Paint(Colour colour) {
        if (!IsSystemColour(colour)) return static_cast<Colour>(PaintedColour(colour));
        if (!known_ || colour != system_) {
            system_ = colour;
            painted_ = static_cast<Colour>(PaintedColour(colour));
            known_ = true;
        }
        return painted_;
    }

  private:
    bool known_ = false;
    Colour system_ = 0;
    Colour painted_ = 0;
};

}  // namespace

int TrayIconSize() {
    return std::clamp(GetSystemMetrics(SM_CXSMICON), kFaceSize, IconCanvas::kMaxIconSize);
}

TrayIcon::TrayIcon(HWND window, CodePage& codePage)
    : window_(window), keeper_(*this, codePage), iconSize_(TrayIconSize()) {}

// Compared as painted, so a slot holding the button face's plain RGB value is as transparent as
// one holding the system colour itself, and a changed system colour makes a different picture.
IconPicture TrayIcon::Paint(const IconPicture& picture) const {
    Painter painter;
    IconPicture painted{{}, painter.Paint(picture.mask)};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        painted.pixels[i] = painter.Paint(picture.pixels[i]);
    return painted;
}

bool TrayIcon::Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) {
    const NotifyRecordFields fields = RecordFieldsFor(command);
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window_;
    record.uID = kTrayIconId;
    record.uFlags = fields.flags;
    record.uCallbackMessage = fields.callbackMessage;
    if ((fields.flags & kNifTip) != 0) std::memcpy(record.szTip, tip.data(), tip.size());

    // The icon lives only for the call: the tray keeps a copy of it.
    UniqueIcon icon;
    if ((fields.flags & kNifIcon) != 0 && painted != nullptr) {
        FaceMask transparent{};
        for (std::size_t i = 0; i < transparent.size(); ++i)
            transparent[i] = painted->pixels[i] == painted->mask;
        icon.Reset(canvas_.MakeIcon(painted->pixels, transparent, iconSize_));
    }
    record.hIcon = icon.Get();
    const bool done = Shell_NotifyIconA(fields.message, &record) != FALSE;

    // While the system is still starting, the tray may not be there to take the icon yet: try
    // again a little later, a limited number of times in a row. The shell announces itself with
    // "TaskbarCreated" anyway once it is up, which hands the icon over too.
    if (command == TrayCommand::Add) {
        if (done) {
            StopRetrying();
        } else if (retriesLeft_ > 0) {
            --retriesLeft_;
            SetTimer(window_, kRetryTimerId, kRetryMilliseconds, nullptr);
        }
    }
    return done;
}

bool TrayIcon::Announce(std::string_view title, std::string_view text) {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = window_;
    record.uID = kTrayIconId;
    record.uFlags = NIF_INFO;
    record.dwInfoFlags = NIIF_INFO;
    CopyInto(record.szInfoTitle, title);
    CopyInto(record.szInfo, text);
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool TrayIcon::ResendIfTrayChanged(bool newTaskbar) {
    const int size = TrayIconSize();
    const bool resized = size != iconSize_;
    iconSize_ = size;
    if (!newTaskbar && !resized) return false;
    keeper_.ResendPicture();
    return true;
}

void TrayIcon::Retry() {
    KillTimer(window_, kRetryTimerId);
    keeper_.ResendPicture();
}

void TrayIcon::StopRetrying() {
    retriesLeft_ = kRetries;
    KillTimer(window_, kRetryTimerId);
}

}  // namespace gv::win32
