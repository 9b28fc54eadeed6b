#include "platform/win32/win32_window.h"

#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "common/clock_state.h"
#include "platform/win32/gdi_tally.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/window_icon.h"

namespace gv::win32 {
namespace {

constexpr wchar_t kOwnerClass[] = L"GorvandelOwner";
constexpr wchar_t kFormClass[] = L"GorvandelForm1";
constexpr wchar_t kPictureClass[] = L"GorvandelPicture1";

// Control identifiers stay clear of IDOK and IDCANCEL, which the dialog keys send for Enter and
// Escape and which this window ignores.
enum ControlId : int {
    kPicture1Id = 100,
    kLabel1Id,
    kText1Id,
    kCommand1Id,
    kCombo1Id,
    kCombo2Id,
    kFrame1Id,
    kFrame2Id,
    kSwatchFirstId,  // eight in a row
};

// The layout in twips, as designed at 15 twips to a pixel.
constexpr int kClientWidth = 2385;
constexpr int kClientHeight = 2250;
struct Spot {
    int left, top, width, height;
};
constexpr Spot kPicture1{120, 120, 240, 240};
constexpr Spot kLabel1{1200, 180, 180, 180};
constexpr Spot kText1{600, 120, 555, 270};
constexpr Spot kCommand1{1620, 60, 615, 315};
constexpr Spot kCombo1{60, 480, 2235, 300};
constexpr Spot kFrame1{60, 720, 2235, 555};
constexpr Spot kCombo2{60, 1380, 2235, 300};
constexpr Spot kFrame2{60, 1620, 2235, 555};
constexpr int kSwatchLefts[4] = {180, 660, 1140, 1620};  // within its frame
constexpr int kSwatchTop = 240;
constexpr int kSwatchWidth = 330;
constexpr int kSwatchHeight = 195;
constexpr int kDropDownRows = 6;  // every display mode in view at once

constexpr UINT_PTR kTrayRetryTimerId = 2;
constexpr UINT kTrayRetryMilliseconds = 1000;

const wchar_t* const kSwatchTexts[8] = {L"１", L"２", L"３", L"４", L"５", L"６", L"７", L"８"};

HFONT MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        // Systems before Vista know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return nullptr;
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

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

int RoundToInt(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -1.0e9, 1.0e9)));
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance) : instance_(instance) {
    if (!RegisterClasses(instance, FormProc, PictureProc)) return;

    HDC screen = GetDC(nullptr);
    if (screen != nullptr) {
        const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        if (dpiX > 0) twipsPerPixelX_ = 1440.0f / static_cast<float>(dpiX);
        if (dpiY > 0) twipsPerPixelY_ = 1440.0f / static_cast<float>(dpiY);
        ReleaseDC(nullptr, screen);
    }

    // An owned window gets no taskbar button; the owner itself is never shown.
    owner_ = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                             nullptr);

    // No WS_CLIPCHILDREN: the group boxes are transparent and need the window's background
    // painted behind them.
    const DWORD style = WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, ToPixelsX(kClientWidth), ToPixelsY(kClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::wstring caption = Widen(kAppTitle);
    window_ = CreateWindowExW(exStyle, kFormClass, caption.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              owner_, nullptr, instance, this);
    if (window_ == nullptr) return;

    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    font_ = MessageFont();
    icon_ = MakeWindowIcon();
    if (icon_ != nullptr) {
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    }
    CreateControls();
}

Win32Window::~Win32Window() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (owner_ != nullptr) DestroyWindow(owner_);
    DestroyTalliedIcon(icon_);
    if (font_ != nullptr) DeleteObject(font_);
}

int Win32Window::ToPixelsX(int twips) const {
    return RoundToInt(static_cast<double>(twips) / twipsPerPixelX_);
}

int Win32Window::ToPixelsY(int twips) const {
    return RoundToInt(static_cast<double>(twips) / twipsPerPixelY_);
}

HWND Win32Window::MakeControl(const wchar_t* className, const wchar_t* text, DWORD style,
                              DWORD exStyle, int id, int leftTwips, int topTwips, int widthTwips,
                              int heightTwips) {
    HWND control = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
        ToPixelsX(leftTwips), ToPixelsY(topTwips), ToPixelsX(widthTwips), ToPixelsY(heightTwips),
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control != nullptr && font_ != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

void Win32Window::CreateControls() {
    // Creation order is the tab order among the tab stops (Text1, Command1, Combo1, Combo2),
    // and puts the swatches above their frames.
    picture_ = MakeControl(kPictureClass, L"", 0, 0, kPicture1Id, kPicture1.left, kPicture1.top,
                           kPicture1.width, kPicture1.height);
    if (picture_ != nullptr)
        SetWindowLongPtrW(picture_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    MakeControl(WC_STATICW, L"秒", SS_LEFT, 0, kLabel1Id, kLabel1.left, kLabel1.top, kLabel1.width,
                kLabel1.height);
    text1_ = MakeControl(WC_EDITW, Widen(kDefaultInterval).c_str(),
                         WS_TABSTOP | WS_GROUP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                         kText1Id, kText1.left, kText1.top, kText1.width, kText1.height);
    command1_ =
        MakeControl(WC_BUTTONW, L"設定", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, kCommand1Id,
                    kCommand1.left, kCommand1.top, kCommand1.width, kCommand1.height);
    const DWORD comboStyle = WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    combo1_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kCombo1Id, kCombo1.left, kCombo1.top,
                          kCombo1.width, kCombo1.height);
    combo2_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kCombo2Id, kCombo2.left, kCombo2.top,
                          kCombo2.width, kCombo2.height);
    FitDropDown(combo1_, kCombo1.left, kCombo1.top, kCombo1.width);
    FitDropDown(combo2_, kCombo2.left, kCombo2.top, kCombo2.width);

    for (int i = 0; i < 8; ++i) {
        const Spot& frame = i < 4 ? kFrame1 : kFrame2;
        swatches_[static_cast<std::size_t>(i)] = MakeControl(
            WC_STATICW, kSwatchTexts[i], SS_CENTER | SS_NOTIFY, 0, kSwatchFirstId + i,
            frame.left + kSwatchLefts[i % 4], frame.top + kSwatchTop, kSwatchWidth, kSwatchHeight);
    }
    MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kFrame1Id, kFrame1.left, kFrame1.top,
                kFrame1.width, kFrame1.height);
    MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kFrame2Id, kFrame2.left, kFrame2.top,
                kFrame2.width, kFrame2.height);
    lastFocus_ = text1_;
}

// A drop-down combo box's window height includes its open list; the closed box keeps the
// height its font gives it.
void Win32Window::FitDropDown(HWND combo, int leftTwips, int topTwips, int widthTwips) {
    if (combo == nullptr) return;
    SendMessageW(combo, CB_SETMINVISIBLE, kDropDownRows, 0);
    const auto field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    if (field <= 0 || item <= 0) return;
    const int height = field + 8 + kDropDownRows * item + 2;
    MoveWindow(combo, ToPixelsX(leftTwips), ToPixelsY(topTwips), ToPixelsX(widthTwips), height,
               FALSE);
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
        // The tray came back (the shell restarted): it has forgotten the icon.
        if (form_ != nullptr && !IsWindowVisible(window_)) form_->TaskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_TIMER:
            if (wParam == Win32Timer::kTimerId) {
                if (form_ != nullptr) form_->Timer1_Timer();
                if (picture_ != nullptr) InvalidateRect(picture_, nullptr, FALSE);
            } else if (wParam == kTrayRetryTimerId) {
                KillTimer(window_, kTrayRetryTimerId);
                if (form_ != nullptr && !IsWindowVisible(window_)) form_->TaskbarCreated();
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
            // An icon whose window is gone would stay in the tray as a dead picture until the
            // mouse passes over it (and under Wine it keeps the process from ending).
            NOTIFYICONDATAA record{};
            record.cbSize = NOTIFYICONDATAA_V1_SIZE;
            record.hWnd = window_;
            record.uID = 1;
            Shell_NotifyIconA(NIM_DELETE, &record);
            PostQuitMessage(0);
            return 0;
        }
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kFaceSize;
    info.bmiHeader.biHeight = -kFaceSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, kFaceSize, kFaceSize, 0, 0, 0, kFaceSize, bits.data(), &info,
                      DIB_RGB_COLORS);
    EndPaint(picture, &paint);
}

WindowHandle Win32Window::Handle() const { return reinterpret_cast<WindowHandle>(window_); }

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
    SetWindowPos(window_, nullptr, RoundToInt(static_cast<double>(twips) / twipsPerPixelX_),
                 rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetTop(float twips) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    SetWindowPos(window_, nullptr, rect.left,
                 RoundToInt(static_cast<double>(twips) / twipsPerPixelY_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

float Win32Window::TwipsPerPixelX() const { return twipsPerPixelX_; }

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
