// The settings window's controls at the DPI of the monitor it is on: made once, then placed,
// given their font and measured again whenever the DPI changes.
#include <algorithm>
#include <cwchar>
#include <utility>

#include "base/twips.h"
#include "face/display_modes.h"
#include "win32/dpi_api.h"
#include "win32/gdi_tally.h"
#include "win32/names.h"
#include "win32/resources.h"
#include "win32/text_convert.h"
#include "win32/win32_settings_window.h"

namespace gv::win32 {
namespace {

constexpr int kDropDownRows = static_cast<int>(kDisplayModeCount);  // every mode in view at once
constexpr wchar_t kUnitText[] = L"秒";
constexpr wchar_t kApplyText[] = L"設定";

TextExtent Measure(HDC dc, const wchar_t* text) {
    SIZE size{};
    if (!GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size)) return {};
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

void Place(HWND control, const PixelRect& rect) {
    if (control == nullptr) return;
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A drop-down combo box's window height includes its open list; the closed box keeps the
// height its font gives it.
void FitDropDown(HWND combo, const PixelRect& field) {
    if (combo == nullptr) return;
    SendMessageW(combo, CB_SETMINVISIBLE, kDropDownRows, 0);
    const auto fieldHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    if (fieldHeight <= 0 || item <= 0) return;
    const int height = fieldHeight + 8 + kDropDownRows * item + 2;
    MoveWindow(combo, field.left, field.top, field.width, height, FALSE);
}

// Gives the window the program's icon at `size` as its `which` icon. The old icon goes only once
// the window has the new one, and stays when the new one cannot be loaded.
void SetWindowIcon(HWND window, HINSTANCE instance, WPARAM which, int size, UniqueIcon& owner) {
    UniqueIcon icon(TalliedIconFromResource(instance, GV_APP_ICON, size));
    if (!icon) return;
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon.Get()));
    owner = std::move(icon);
}

}  // namespace

HWND Win32SettingsWindow::MakeControl(const wchar_t* className, const wchar_t* text, DWORD style,
                                      DWORD exStyle, int id) {
    return CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
        window_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void Win32SettingsWindow::CreateControls() {
    // Creation order is the tab order among the tab stops (interval, Apply, the two lists),
    // and puts the swatches above their frames. ApplyDpi places them.
    preview_.Attach(MakeControl(kPreviewClass, L"", 0, 0, kPreviewId));
    unitLabel_ = MakeControl(WC_STATICW, kUnitText, SS_LEFT, 0, kUnitLabelId);
    interval_ = MakeControl(WC_EDITW, Widen(kDefaultInterval).c_str(),
                            WS_TABSTOP | WS_GROUP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                            kIntervalId);
    apply_ =
        MakeControl(WC_BUTTONW, kApplyText, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, kApplyId);
    const DWORD comboStyle = WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    topModes_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kTopModesId);
    bottomModes_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kBottomModesId);
    for (std::size_t i = 0; i < SwatchRow::kCount; ++i) {
        swatches_.Attach(i, MakeControl(WC_STATICW, SwatchRow::kDigits[i], SS_CENTER | SS_NOTIFY, 0,
                                        kSwatchFirstId + static_cast<int>(i)));
    }
    topFrame_ = MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kTopFrameId);
    bottomFrame_ = MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kBottomFrameId);
    lastFocus_ = interval_;
}

void Win32SettingsWindow::ApplyDpi(int dpi, const RECT* suggested) {
    if (!window_) return;
    dpi_ = UsableDpi(dpi);  // a message may carry any number
    twipsPerPixelX_ = TwipsPerPixelAt(dpi_);
    twipsPerPixelY_ = twipsPerPixelX_;
    SetIcons();
    if (suggested != nullptr) {
        SetWindowPos(window_.Get(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The new font goes to every control before the old one is deleted.
    LOGFONTW logical{};
    UniqueFont font(MessageFontForDpi(logical, dpi_) ? CreateFontIndirectW(&logical) : nullptr);
    for (HWND child = GetWindow(window_.Get(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    }
    font_ = std::move(font);

    layout_ = LayoutWindow(dpi_, MeasureTexts());
    preview_.Resize(layout_.preview.width);
    PlaceControls();

    // The system's suggestion keeps the window where the user put it; at start-up the window
    // takes the layout's client size and the program places it afterwards.
    if (suggested == nullptr) {
        RECT frame{0, 0, layout_.clientWidth, layout_.clientHeight};
        AdjustWindowRectForDpi(frame, kStyle, kExStyle, dpi_);
        SetWindowPos(window_.Get(), nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_.Get(), nullptr, TRUE);
}

void Win32SettingsWindow::SetIcons() {
    // The sizes the system draws the caption's and Alt+Tab's icons at for this DPI, each taken
    // from the resource at that size instead of stretched from another.
    SetWindowIcon(window_.Get(), instance_, ICON_SMALL, SystemMetricForDpi(SM_CXSMICON, dpi_),
                  smallIcon_);
    SetWindowIcon(window_.Get(), instance_, ICON_BIG, SystemMetricForDpi(SM_CXICON, dpi_),
                  bigIcon_);
}

MeasuredTexts Win32SettingsWindow::MeasureTexts() const {
    MeasuredTexts texts;
    WindowDc dc(window_.Get());
    if (dc.Get() == nullptr || !font_) return texts;
    Selected font(dc.Get(), font_.Get());
    texts.unit = Measure(dc.Get(), kUnitText);
    texts.interval = Measure(dc.Get(), Widen(kDefaultInterval).c_str());
    texts.apply = Measure(dc.Get(), kApplyText);
    for (const wchar_t* digit : SwatchRow::kDigits) {
        const TextExtent extent = Measure(dc.Get(), digit);
        texts.swatch.width = std::max(texts.swatch.width, extent.width);
        texts.swatch.height = std::max(texts.swatch.height, extent.height);
    }
    return texts;
}

void Win32SettingsWindow::PlaceControls() {
    Place(preview_.Control(), layout_.preview);
    Place(unitLabel_, layout_.unitLabel);
    Place(interval_, layout_.interval);
    Place(apply_, layout_.apply);
    Place(topFrame_, layout_.topFrame);
    Place(bottomFrame_, layout_.bottomFrame);
    for (std::size_t i = 0; i < SwatchRow::kCount; ++i)
        Place(swatches_.Control(i), layout_.swatches[i]);
    Place(topModes_, layout_.topModes);
    Place(bottomModes_, layout_.bottomModes);
    FitDropDown(topModes_, layout_.topModes);
    FitDropDown(bottomModes_, layout_.bottomModes);
}

}  // namespace gv::win32
