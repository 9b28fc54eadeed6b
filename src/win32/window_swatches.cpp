// The eight colour swatches and the colour dialog behind them.
#include "win32/icon_canvas.h"
#include "win32/win32_settings_window.h"

namespace gv::win32 {

std::optional<LRESULT> Win32SettingsWindow::ColourSwatch(HDC dc, HWND control) const {
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        if (control != swatches_[i]) continue;
        SetTextColor(dc, PaintedColour(swatchColours_[i]));
        if (darkBackdrop_) {
            SetBkColor(dc, kDarkTaskbar);
            SetDCBrushColor(dc, kDarkTaskbar);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return std::nullopt;
}

void Win32SettingsWindow::SetSwatchColour(int index, Colour colour) {
    if (index < 0 || index >= static_cast<int>(swatches_.size())) return;
    swatchColours_[static_cast<std::size_t>(index)] = colour;
    InvalidateRect(swatches_[static_cast<std::size_t>(index)], nullptr, TRUE);
}

void Win32SettingsWindow::SetDarkBackdrop(bool dark) {
    darkBackdrop_ = dark;
    preview_.SetDarkBackdrop(dark);
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::optional<Colour> Win32SettingsWindow::ChooseColour(Colour initial) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_.Get();
    dialog.rgbResult = PaintedColour(initial);  // a system colour opens on what it looks like
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!ChooseColorW(&dialog)) return std::nullopt;
    return static_cast<Colour>(dialog.rgbResult);
}

}  // namespace gv::win32
