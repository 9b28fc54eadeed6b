#include "win32/swatch_row.h"

#include "win32/icon_canvas.h"
#include "win32/preview_pane.h"

namespace gv::win32 {

void SwatchRow::Attach(std::size_t index, HWND control) {
    if (index < controls_.size()) controls_[index] = control;
}

void SwatchRow::SetColour(int index, Colour colour) {
    if (index < 0 || index >= static_cast<int>(controls_.size())) return;
    colours_[static_cast<std::size_t>(index)] = colour;
    InvalidateRect(controls_[static_cast<std::size_t>(index)], nullptr, TRUE);
}

std::optional<LRESULT> SwatchRow::ControlColour(HDC dc, HWND control) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (control != controls_[i]) continue;
        SetTextColor(dc, PaintedColour(colours_[i]));
        if (dark_) {
            SetBkColor(dc, kDarkTaskbar);
            SetDCBrushColor(dc, kDarkTaskbar);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return std::nullopt;
}

std::optional<Colour> SwatchRow::ChooseColour(HWND owner, Colour initial) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = PaintedColour(initial);  // a system colour opens on what it looks like
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_ANYCOLOR | CC_RGBINIT;
    if (!ChooseColorW(&dialog)) return std::nullopt;
    return static_cast<Colour>(dialog.rgbResult);
}

}  // namespace gv::win32
