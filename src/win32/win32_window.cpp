#include "platform/win32/win32_window.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "common/clock_state.h"
#include "common/twips.h"
#include "platform/win32/dpi_api.h"
#include "platform/win32/gdi_tally.h"
#include "platform/win32/names.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/system_events.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_image_list.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/window_icon.h"
#include "render/enlarge.h"

namespace gv::win32 {
namespace {

constexpr UINT_PTR kTrayRetryTimerId = 2;
constexpr UINT kTrayRetryMilliseconds = 1000;

bool RegisterClasses(HINSTANCE instance, WNDPROC formProc, WNDPROC pictureProc) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;

    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    form.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    form.lpszClassName = kFormClass;

    WNDCLASSEXW picture{};
    picture.cbSize = sizeof picture;
    picture.lpfnWndProc = pictureProc;
    picture.hInstance = instance;
    picture.hCursor = form.hCursor;
    picture.lpszClassName = kPictureClass;

    return RegisterClassExW(&owner) != 0 && RegisterClassExW(&form) != 0 &&
           RegisterClassExW(&picture) != 0;
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance) : instance_(instance) {
    if (!RegisterClasses(instance, FormProc, PictureProc)) return;

    // An owned window gets no taskbar button; the owner itself is never shown.
    owner_ = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                             nullptr);

    // The size comes with the layout, once the window knows the DPI it is shown at.
    const std::wstring caption = Widen(kAppTitle);
    window_ = CreateWindowExW(kExStyle, kFormClass, caption.c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 0, 0, owner_, nullptr, instance, this);
    if (window_ == nullptr) return;

    taskbarCreated_ = RegisterWindowMessageW(kTaskbarCreatedMessage);
    secondStart_ = RegisterWindowMessageW(kSecondStartMessage);
    icon_.Reset(MakeWindowIcon());
    if (icon_) {
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    }
    CreateControls();
    ApplyDpi(WindowDpi(window_), nullptr);
}

Win32Window::~Win32Window() {
    // The window goes before the font and icon it uses (members, destroyed after this).
    if (window_ != nullptr) DestroyWindow(window_);
    if (owner_ != nullptr) DestroyWindow(owner_);
}

bool Win32Window::PreTranslate(MSG& message) {
    if (window_ == nullptr || !IsWindowVisible(window_)) return false;
    return IsDialogMessageW(window_, &message) != FALSE;
}

void Win32Window::TrayIconAdded() {
    trayRetriesLeft_ = kTrayRetries;
    KillTimer(window_, kTrayRetryTimerId);
}

// The shell may not be up yet when the clock starts with the system: try again a little later,
// a limited number of times in a row. The shell announces itself with "TaskbarCreated" anyway
// once it is up, which adds the icon too.
void Win32Window::TrayIconRefused() {
    if (trayRetriesLeft_ <= 0) return;
    --trayRetriesLeft_;
    SetTimer(window_, kTrayRetryTimerId, kTrayRetryMilliseconds, nullptr);
}

void Win32Window::AttachTray(Win32ImageList& images, Win32Shell& shell) {
    trayImages_ = &images;
    trayShell_ = &shell;
    images.SetIconSize(TrayIconSize());
}

// The icon is made at the tray's icon size, read again here. When it changed, the tray gets the
// icon at the new size at once, although the clock's picture is the same.
void Win32Window::FollowTray(bool newTray) {
    bool resized = false;
    if (trayImages_ != nullptr) {
        const int size = TrayIconSize();
        resized = size != trayImages_->IconSize();
        trayImages_->SetIconSize(size);
    }
    if (newTray || resized) HandTrayIcon();
}

// While the program is in the tray: hands the tray its icon again, as a modify when the tray
// still has it and as an add when not. What the shell knew of the icon may no longer hold, so
// none of these calls is skipped as a repeat.
void Win32Window::HandTrayIcon() {
    if (form_ == nullptr || IsWindowVisible(window_)) return;
    if (trayShell_ != nullptr) trayShell_->ForgetTrayIcon();
    form_->TaskbarCreated();
}

LRESULT CALLBACK Win32Window::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A new taskbar: the shell restarted and has forgotten the icon, or the scaling changed
        // and the tray now draws icons at another size.
        FollowTray(true);
        return 0;
    }
    // The tray's icon size may have changed with these; the window's own handling follows.
    if (message == WM_SETTINGCHANGE || message == WM_DISPLAYCHANGE) FollowTray(false);
    if (message == WM_DPICHANGED) {
        // The window moved to a monitor of another DPI, or the scaling changed.
        FollowTray(false);
        ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == secondStart_ && secondStart_ != 0) {
        // Started again from this folder: this clock comes forward instead of a second one.
        const bool taken = form_ != nullptr && IsThisFolder(wParam) && form_->SecondStart();
        return taken ? kSecondStartTaken : 0;
    }
    switch (message) {
        case WM_TIMER:
            if (wParam == Win32Timer::kTimerId) {
                // A refresh shows its face through ShowPreview; a tick without one changes
                // nothing to repaint.
                if (form_ != nullptr) form_->Timer1_Timer();
            } else if (wParam == kTrayRetryTimerId) {
                KillTimer(window_, kTrayRetryTimerId);
                HandTrayIcon();
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            for (std::size_t i = 0; i < swatches_.size(); ++i) {
                if (control != swatches_[i]) continue;
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, PaintedColour(swatchColours_[i]));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        }
        case WM_ACTIVATE:
            // Like a dialog: the control that had the focus gets it back.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr) {
                ::SetFocus(lastFocus_);
            }
            return 0;
        case WM_TIMECHANGE:
            if (form_ != nullptr) form_->ClockChanged();
            return 0;
        case WM_POWERBROADCAST:
            if (form_ != nullptr && IsResume(wParam)) form_->ClockChanged();
            return TRUE;
        case WM_SETTINGCHANGE:
            if (form_ != nullptr && IsRegionalChange(lParam))
                form_->LocaleChanged(LoadUserLocale());
            break;
        case WM_CLOSE:
            Unload();
            DestroyWindow(window_);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The session ends whether the window is up or in the tray: save once, then leave.
            if (wParam != FALSE) {
                Unload();
                DestroyWindow(window_);
            }
            return 0;
        case WM_DESTROY: {
            KillTimer(window_, Win32Timer::kTimerId);
            KillTimer(window_, kTrayRetryTimerId);
            if (form_ != nullptr) form_->Form_Unload();
            PostQuitMessage(0);
            return 0;
        }
        case WM_NCDESTROY: {
            // The default clean-up still needs the handle; forget it only afterwards.
            const LRESULT result = DefWindowProcW(window_, message, wParam, lParam);
            window_ = nullptr;
            return result;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Window::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    if (form_ != nullptr) form_->Form_QueryUnload();
}

void Win32Window::OnCommand(int id, int code) {
    if (form_ == nullptr) return;
    if (id == kCommand1Id && code == BN_CLICKED) {
        form_->Command1_Click();
    } else if (id == kCombo1Id && code == CBN_SELCHANGE) {
        form_->Combo1_Click();
    } else if (id == kCombo2Id && code == CBN_SELCHANGE) {
        form_->Combo2_Click();
    } else if (id >= kSwatchFirstId && id < kSwatchFirstId + 8 && code == STN_CLICKED) {
        form_->Lb1_Click(static_cast<std::int16_t>(id - kSwatchFirstId));
    }
}

// The tray reports icon events as this message with the mouse message number where the x
// coordinate of a real mouse move stands, so both arrive the same way.
void Win32Window::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (form_ == nullptr) return;
    std::int16_t button = 0;
    if (wParam & MK_LBUTTON) button |= 1;
    if (wParam & MK_RBUTTON) button |= 2;
    if (wParam & MK_MBUTTON) button |= 4;
    std::int16_t shift = 0;
    if (wParam & MK_SHIFT) shift |= 1;
    if (wParam & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    const float x = static_cast<float>(GET_X_LPARAM(lParam)) * twipsPerPixelX_;
    const float y = static_cast<float>(GET_Y_LPARAM(lParam)) * twipsPerPixelY_;
    form_->Form_MouseMove(button, shift, x, y);
}

LRESULT CALLBACK Win32Window::PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr) {
            self->PaintPreview(window);
            return 0;
        }
    } else if (message == WM_ERASEBKGND) {
        return TRUE;  // every pixel is painted
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Window::PaintPreview(HWND picture) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picture, &paint);
    if (dc == nullptr) return;
    std::array<std::uint32_t, kFaceSize * kFaceSize> bits{};
    if (form_ != nullptr) {
        const Pixels& face = form_->Picture1().Image();
        for (std::size_t i = 0; i < bits.size(); ++i) {
            const COLORREF rgb = PaintedColour(face[i]);
            bits[i] = (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) |
                      (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) | GetBValue(rgb);
        }
    } else {
        bits.fill(PaintedColour(kButtonFace));
    }
    // The face in solid blocks at the preview's size: no stretching by the system, which may
    // smooth.
    const int size = layout_.picture1.width;
    EnlargeFace(bits, size, std::span<std::uint32_t>(previewBits_));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (previewBits_.size() >= static_cast<std::size_t>(size) * static_cast<std::size_t>(size))
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(size), static_cast<DWORD>(size), 0, 0, 0,
                          static_cast<UINT>(size), previewBits_.data(), &info, DIB_RGB_COLORS);
    EndPaint(picture, &paint);
}

WindowHandle Win32Window::Handle() const { return reinterpret_cast<WindowHandle>(window_); }

bool Win32Window::Visible() const { return IsWindowVisible(window_) != FALSE; }

void Win32Window::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOW : SW_HIDE); }

void Win32Window::RestoreNormal() {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
}

void Win32Window::Show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void Win32Window::SetFocus() {
    SetForegroundWindow(window_);
    ::SetFocus(lastFocus_ != nullptr ? lastFocus_ : window_);
}

float Win32Window::Width() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return static_cast<float>(rect.right - rect.left) * twipsPerPixelX_;
}

float Win32Window::Height() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return static_cast<float>(rect.bottom - rect.top) * twipsPerPixelY_;
}

void Win32Window::SetLeft(float twips) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, TwipsToPixels(twips, twipsPerPixelX_), rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetTop(float twips) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, rect.left, TwipsToPixels(twips, twipsPerPixelY_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Win32Window::TwipsPerPixelX() const { return twipsPerPixelX_; }

float Win32Window::TwipsPerPixelY() const { return twipsPerPixelY_; }

HWND Win32Window::ComboWindow(ComboId combo) const {
    return combo == ComboId::Top ? combo1_ : combo2_;
}

void Win32Window::AddComboItem(ComboId combo, std::string_view text) {
    const std::wstring item = Widen(text);
    SendMessageW(ComboWindow(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Window::SelectComboIndex(ComboId combo, std::int16_t index) {
    // CB_SETCURSEL sends no CBN_SELCHANGE, so the program's own click handler is not raised
    // twice. An index outside the list clears the selection.
    SendMessageW(ComboWindow(combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::int16_t Win32Window::ComboIndex(ComboId combo) const {
    const LRESULT index = SendMessageW(ComboWindow(combo), CB_GETCURSEL, 0, 0);
    return static_cast<std::int16_t>(index == CB_ERR ? -1 : index);
}

void Win32Window::EnableCombo(ComboId combo, bool enabled) {
    EnableWindow(ComboWindow(combo), enabled ? TRUE : FALSE);
}

std::string Win32Window::IntervalText() const {
    const int length = GetWindowTextLengthW(text1_);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(text1_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return Narrow(text);
}

void Win32Window::SetIntervalText(std::string_view text) {
    SetWindowTextW(text1_, Widen(text).c_str());
}

void Win32Window::SetSwatchColour(int index, Colour colour) {
    if (index < 0 || index >= static_cast<int>(swatches_.size())) return;
    swatchColours_[static_cast<std::size_t>(index)] = colour;
    InvalidateRect(swatches_[static_cast<std::size_t>(index)], nullptr, TRUE);
}

void Win32Window::ShowPreview(const Pixels& face) {
    // The preview paints straight from Picture1's drawing; it only needs to be told to, and
    // only when the face changed. A change of the system colours repaints every window anyway.
    if (picture_ == nullptr || face == previewFace_) return;
    previewFace_ = face;
    InvalidateRect(picture_, nullptr, FALSE);
}

void Win32Window::ShowMessage(std::string_view text) {
    const std::wstring message = Widen(text);
    const std::wstring title = Widen(kAppTitle);
    MessageBoxW(window_, message.c_str(), title.c_str(), MB_OK);
}

void Win32Window::ShowColorDialog() {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.rgbResult = dialogColour_;
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (ChooseColorW(&dialog)) dialogColour_ = dialog.rgbResult;
}

Colour Win32Window::ColorDialogColour() const { return static_cast<Colour>(dialogColour_); }

}  // namespace gv::win32
