// The settings window's life and the dispatch of its messages.
#include <string>

#include "win32/dpi_api.h"
#include "win32/names.h"
#include "win32/text_convert.h"
#include "win32/tray_icon.h"
#include "win32/win32_settings_window.h"

namespace gv::win32 {
namespace {

bool RegisterClasses(HINSTANCE instance, WNDPROC windowProc, WNDPROC previewProc) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;

    WNDCLASSEXW settings{};
    settings.cbSize = sizeof settings;
    settings.lpfnWndProc = windowProc;
    settings.hInstance = instance;
    settings.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    settings.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    settings.lpszClassName = kSettingsWindowClass;

    WNDCLASSEXW preview{};
    preview.cbSize = sizeof preview;
    preview.lpfnWndProc = previewProc;
    preview.hInstance = instance;
    preview.hCursor = settings.hCursor;
    preview.lpszClassName = kPreviewClass;

    return RegisterClassExW(&owner) != 0 && RegisterClassExW(&settings) != 0 &&
           RegisterClassExW(&preview) != 0;
}

}  // namespace

Win32SettingsWindow::Win32SettingsWindow(HINSTANCE instance) : instance_(instance) {
    if (!RegisterClasses(instance, WindowProc, PreviewPane::Proc)) {
        failure_ = {L"RegisterClassExW", GetLastError()};
        return;
    }

    // An owned window gets no taskbar button; the owner itself is never shown.
    owner_.Reset(CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, nullptr));

    // The size comes with the layout, once the window knows the DPI it is shown at.
    const std::wstring caption = Widen(kAppTitle);
    HWND window =
        CreateWindowExW(kExStyle, kSettingsWindowClass, caption.c_str(), kStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, 0, 0, owner_.Get(), nullptr, instance, this);
    if (window == nullptr) {
        failure_ = {L"CreateWindowExW", GetLastError()};
        return;
    }
    window_.Reset(window);

    taskbarCreated_ = RegisterWindowMessageW(kTaskbarCreatedMessage);
    secondStart_ = RegisterWindowMessageW(kSecondStartMessage);
    CreateControls();
    ApplyDpi(WindowDpi(window_.Get()), nullptr);
}

Win32SettingsWindow::~Win32SettingsWindow() {
    // The window goes before the font and icons it uses (members, destroyed after this), and
    // before its owner.
    window_.Reset();
    owner_.Reset();
}

bool Win32SettingsWindow::PreTranslate(MSG& message) {
    if (!window_ || !IsWindowVisible(window_.Get())) return false;
    return IsDialogMessageW(window_.Get(), &message) != FALSE;
}

LRESULT CALLBACK Win32SettingsWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32SettingsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_.Get() != window)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32SettingsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; OnSystemMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_TIMER:
            if (wParam == kUpdateTimerId) {
                // A refresh shows its face through ShowPreview; a tick without one changes
                // nothing to repaint.
                if (events_ != nullptr) events_->OnTick();
            } else if (wParam == TrayIcon::kRetryTimerId && tray_ != nullptr) {
                tray_->Retry();
                if (events_ != nullptr) events_->OnTrayChanged();
            }
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (auto brush = swatches_.ControlColour(reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam))) {
                return *brush;
            }
            break;
        case WM_ACTIVATE:
            // Like a dialog: the control that had the focus gets it back.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_.Get(), focus)) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr) {
                ::SetFocus(lastFocus_);
            }
            return 0;
        case WM_CLOSE:
            Close(false);
            DestroyWindow(window_.Get());
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The session ends whether the window is up or in the tray: save once, then leave.
            if (wParam != FALSE) {
                Close(true);
                DestroyWindow(window_.Get());
            }
            return 0;
        case WM_DESTROY:
            KillTimer(window_.Get(), kUpdateTimerId);
            if (tray_ != nullptr) tray_->StopRetrying();
            if (events_ != nullptr) events_->OnClosed();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            // The default clean-up still needs the handle; forget it only afterwards.
            const LRESULT result = DefWindowProcW(window_.Get(), message, wParam, lParam);
            window_.Release();  // gone already: nothing left to destroy
            return result;
        }
        default:
            break;
    }
    return DefWindowProcW(window_.Get(), message, wParam, lParam);
}

void Win32SettingsWindow::Close(bool sessionEnding) {
    if (closed_) return;
    closed_ = true;
    if (events_ != nullptr) events_->OnClosing(sessionEnding);
}

void Win32SettingsWindow::OnCommand(int id, int code) {
    if (events_ == nullptr) return;
    if (id == kApplyId && code == BN_CLICKED) {
        events_->OnApply();
    } else if (id == kTopModesId && code == CBN_SELCHANGE) {
        events_->OnTopModeChosen();
    } else if (id == kBottomModesId && code == CBN_SELCHANGE) {
        events_->OnBottomModeChosen();
    } else if (id >= kSwatchFirstId && id < kSwatchFirstId + static_cast<int>(SwatchRow::kCount) &&
               code == STN_CLICKED) {
        events_->OnSwatchClicked(id - kSwatchFirstId);
    }
}

}  // namespace gv::win32
