#include "platform/win32/win32_image_list.h"

#include <algorithm>

#include "platform/win32/windows_api.h"

namespace gv::win32 {
namespace {

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

void Win32ImageList::Clear() { hasPicture_ = false; }

// Kept only because the list has the property; an icon's transparent pixels show whatever lies
// behind them, so the back colour never reaches the screen.
void Win32ImageList::SetBackColor(Colour colour) { backColour_ = colour; }

void Win32ImageList::Add(const Pixels& picture) {
    picture_ = picture;
    hasPicture_ = true;
}

void Win32ImageList::SetMaskColor(Colour colour) { maskColour_ = colour; }

std::optional<IconPicture> Win32ImageList::Picture() const {
    if (!hasPicture_) return std::nullopt;
    // Compared as painted, so a slot holding the button face's plain RGB value is as
    // transparent as one holding the system colour itself. The painted picture is also what
    // an icon is remembered by: two icons with equal painted pictures look the same, and a
    // changed system colour makes a different picture.
    Painter painter;
    IconPicture painted{{}, painter.Paint(maskColour_)};
    for (std::size_t i = 0; i < picture_.size(); ++i)
        painted.pixels[i] = painter.Paint(picture_[i]);
    return painted;
}

IconHandle Win32ImageList::MakeIcon() {
    const std::optional<IconPicture> painted = Picture();
    if (!painted) return 0;
    FaceMask transparent{};
    for (std::size_t i = 0; i < transparent.size(); ++i)
        transparent[i] = painted->pixels[i] == painted->mask;
    HICON icon = canvas_.MakeIcon(painted->pixels, transparent, iconSize_);
    if (icon == nullptr) return 0;
    const auto handle = reinterpret_cast<IconHandle>(icon);
    live_.emplace_back(handle, *painted);
    return handle;
}

void Win32ImageList::DestroyIcon(IconHandle icon) {
    const auto made = std::find_if(live_.begin(), live_.end(),
                                   [icon](const auto& entry) { return entry.first == icon; });
    if (made != live_.end()) live_.erase(made);
    DestroyTalliedIcon(reinterpret_cast<HICON>(icon));
}

std::optional<IconPicture> Win32ImageList::PictureOf(IconHandle icon) const {
    for (const auto& [handle, picture] : live_) {
        if (handle == icon) return picture;
    }
    return std::nullopt;
}

}  // namespace gv::win32
