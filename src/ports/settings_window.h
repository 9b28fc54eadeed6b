#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/colour.h"
#include "face/pixels.h"

namespace gv {

// The caption of the settings window and the title of the program's message boxes.
inline constexpr std::string_view kAppTitle = "!Gorvandel";
// The interval box's text before anything sets it.
inline constexpr std::string_view kDefaultInterval = "1.0";

enum class ModeList { Top, Bottom };  // the display-mode lists of the two rows

// The desktop's work area in screen pixels.
struct WorkArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;  // exclusive
    std::int32_t bottom = 0;
};

// The settings window and its controls, as the clock uses them. Geometry is in twips. Calls are
// fire-and-forget: the clock looks only at the results it needs.
class SettingsWindow {
  public:
    virtual ~SettingsWindow() = default;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void RestoreNormal() = 0;  // undo a minimise
    virtual void Show() = 0;           // modeless, no owner
    virtual void SetFocus() = 0;
    virtual void MakeTopmost() = 0;   // shows the window too
    virtual float Width() const = 0;  // outer frame
    virtual float Height() const = 0;
    virtual void SetLeft(float twips) = 0;
    virtual void SetTop(float twips) = 0;
    virtual float TwipsPerPixelX() const = 0;  // of the window's screen
    virtual float TwipsPerPixelY() const = 0;
    // Leaves `area` alone and returns false when the system cannot tell.
    virtual bool GetWorkArea(WorkArea& area) const = 0;

    // Selecting an item only changes the list; the clock runs its own handler afterwards, so
    // the window never calls back into it from here. An index outside the list selects nothing
    // (the list then reports -1).
    virtual void AddModeItem(ModeList list, std::string_view text) = 0;
    virtual void SelectMode(ModeList list, std::int16_t index) = 0;
    virtual std::int16_t SelectedMode(ModeList list) const = 0;
    virtual void EnableModeList(ModeList list, bool enabled) = 0;

    virtual std::string IntervalText() const = 0;  // UTF-8
    virtual void SetIntervalText(std::string_view text) = 0;

    virtual void SetSwatchColour(int index, Colour colour) = 0;  // swatch 0 to 7
    virtual void ShowPreview(const Pixels& face) = 0;
    // On a dark taskbar the preview shows the face as the tray will, its transparent pixels
    // dark, and the swatches stand on the same dark colour, so that light digits can be seen.
    virtual void SetDarkBackdrop(bool dark) = 0;

    // Modal; timer ticks go on while they wait.
    virtual void ShowMessage(std::string_view text) = 0;  // OK only, titled kAppTitle
    // The colour dialog, opened on `initial`: the colour the user confirmed, or nothing when
    // the dialog was cancelled.
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
};

}  // namespace gv
