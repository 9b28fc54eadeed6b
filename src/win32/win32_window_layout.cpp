// The settings window's controls at the DPI of the monitor it is on: made once, then placed,
// given their font and measured again whenever the DPI changes.
#include <algorithm>
#include <cwchar>
#include <utility>

#include "common/clock_state.h"
#include "common/twips.h"
#include "platform/win32/dpi_api.h"
#include "platform/win32/names.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_window.h"

namespace gv::win32 {
namespace {

constexpr int kDropDownRows = 6;  // every display mode in view at once
constexpr wchar_t kLabel1Text[] = L"秒";
constexpr wchar_t kCommand1Text[] = L"設定";
const wchar_t* const kSwatchTexts[8] = {L"１", L"２", L"３", L"４", L"５", L"６", L"７", L"８"};

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

}  // namespace

HWND Win32Window::MakeControl(const wchar_t* className, const wchar_t* text, DWORD style,
                              DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, className, text,
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void Win32Window::CreateControls() {
    // Creation order is the tab order among the tab stops (Text1, Command1, Combo1, Combo2),
    // and puts the swatches above their frames. ApplyDpi places them.
    picture_ = MakeControl(kPictureClass, L"", 0, 0, kPicture1Id);
    if (picture_ != nullptr)
        SetWindowLongPtrW(picture_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    label1_ = MakeControl(WC_STATICW, kLabel1Text, SS_LEFT, 0, kLabel1Id);
    text1_ =
        MakeControl(WC_EDITW, Widen(kDefaultInterval).c_str(),
                    WS_TABSTOP | WS_GROUP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kText1Id);
    command1_ = MakeControl(WC_BUTTONW, kCommand1Text, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0,
                            kCommand1Id);
    const DWORD comboStyle = WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    combo1_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kCombo1Id);
    combo2_ = MakeControl(WC_COMBOBOXW, L"", comboStyle, 0, kCombo2Id);
    for (int i = 0; i < 8; ++i) {
        swatches_[static_cast<std::size_t>(i)] =
            MakeControl(WC_STATICW, kSwatchTexts[i], SS_CENTER | SS_NOTIFY, 0, kSwatchFirstId + i);
    }
    frame1_ = MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kFrame1Id);
    frame2_ = MakeControl(WC_BUTTONW, L"", BS_GROUPBOX, 0, kFrame2Id);
    lastFocus_ = text1_;
}

void Win32Window::ApplyDpi(int dpi, const RECT* suggested) {
    if (window_ == nullptr) return;
    dpi_ = dpi < 72 ? 96 : dpi;
    twipsPerPixelX_ = TwipsPerPixelAt(dpi_);
    twipsPerPixelY_ = twipsPerPixelX_;
    if (suggested != nullptr) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The new font goes to every control before the old one is deleted.
    LOGFONTW logical{};
    UniqueFont font(MessageFontForDpi(logical, dpi_) ? CreateFontIndirectW(&logical) : nullptr);
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    }
    font_ = std::move(font);

    layout_ = LayoutWindow(dpi_, MeasureTexts());
    const auto previewSize = static_cast<std::size_t>(std::max(layout_.picture1.width, 0));
    previewBits_.assign(previewSize * previewSize, 0);
    PlaceControls();

    // The system's suggestion keeps the window where the user put it; at start-up the window
    // takes the layout's client size and the program places it afterwards.
    if (suggested == nullptr) {
        RECT frame{0, 0, layout_.clientWidth, layout_.clientHeight};
        AdjustWindowRectForDpi(frame, kStyle, kExStyle, dpi_);
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

MeasuredTexts Win32Window::MeasureTexts() const {
    MeasuredTexts texts;
    WindowDc dc(window_);
    if (dc.Get() == nullptr || !font_) return texts;
    Selected font(dc.Get(), font_.Get());
    texts.label = Measure(dc.Get(), kLabel1Text);
    texts.interval = Measure(dc.Get(), Widen(kDefaultInterval).c_str());
    texts.button = Measure(dc.Get(), kCommand1Text);
    for (const wchar_t* digit : kSwatchTexts) {
        const TextExtent extent = Measure(dc.Get(), digit);
        texts.swatch.width = std::max(texts.swatch.width, extent.width);
        texts.swatch.height = std::max(texts.swatch.height, extent.height);
    }
    return texts;
}

void Win32Window::PlaceControls() {
    Place(picture_, layout_.picture1);
    Place(label1_, layout_.label1);
    Place(text1_, layout_.text1);
    Place(command1_, layout_.command1);
    Place(frame1_, layout_.frame1);
    Place(frame2_, layout_.frame2);
    for (std::size_t i = 0; i < swatches_.size(); ++i) Place(swatches_[i], layout_.swatches[i]);
    Place(combo1_, layout_.combo1);
    Place(combo2_, layout_.combo2);
    FitDropDown(combo1_, layout_.combo1);
    FitDropDown(combo2_, layout_.combo2);
}

// A drop-down combo box's window height includes its open list; the closed box keeps the
// height its font gives it.
void Win32Window::FitDropDown(HWND combo, const PixelRect& field) {
    if (combo == nullptr) return;
    SendMessageW(combo, CB_SETMINVISIBLE, kDropDownRows, 0);
    const auto fieldHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    if (fieldHeight <= 0 || item <= 0) return;
    const int height = fieldHeight + 8 + kDropDownRows * item + 2;
    MoveWindow(combo, field.left, field.top, field.width, height, FALSE);
}

}  // namespace gv::win32
