#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/colour.h"
#include "render/pixels.h"

namespace gv {

using WindowHandle = std::uintptr_t;

enum class ComboId { Top, Bottom };  // Combo1 and Combo2

// The settings window and its controls, as the program logic uses them. Geometry is in twips.
// Every call is fire-and-forget: the program never looks at a result it does not need.
class Window {
  public:
    virtual ~Window() = default;

    virtual WindowHandle Handle() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void RestoreNormal() = 0;  // WindowState = normal: undo a minimise
    virtual void Show() = 0;           // modeless, no owner
    virtual void SetFocus() = 0;
    virtual float Width() const = 0;  // outer frame
    virtual float Height() const = 0;
    virtual void SetLeft(float twips) = 0;
    virtual void SetTop(float twips) = 0;
    virtual float TwipsPerPixelX() const = 0;  // of the screen
    virtual float TwipsPerPixelY() const = 0;

    // The two display-mode lists. Selecting an index only changes the list; the program raises
    // its own click handler afterwards, so the platform never calls back into it from here.
    // An index outside the list selects nothing (the list then reports -1).
    virtual void AddComboItem(ComboId combo, std::string_view text) = 0;
    virtual void SelectComboIndex(ComboId combo, std::int16_t index) = 0;
    virtual std::int16_t ComboIndex(ComboId combo) const = 0;
    virtual void EnableCombo(ComboId combo, bool enabled) = 0;

    virtual std::string IntervalText() const = 0;  // Text1, UTF-8
    virtual void SetIntervalText(std::string_view text) = 0;

    virtual void SetSwatchColour(int index, Colour colour) = 0;  // Lb1(index), 0 to 7
    virtual void ShowPreview(const Pixels& face) = 0;            // Picture1

    // Modal; timer ticks go on while they wait.
    virtual void ShowMessage(std::string_view text) = 0;  // OK only, titled "!Gorvandel"
    // The colour dialog keeps its colour from one showing to the next: confirming sets it,
    // cancelling leaves it; it is 0 before the first confirmation.
    virtual void ShowColorDialog() = 0;
    virtual Colour ColorDialogColour() const = 0;
};

}  // namespace gv
