#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/image_list.h"
#include "platform/win32/gdi_tally.h"

namespace gv::win32 {

// The size the tray draws notification icons at: the small-icon metric at the system DPI (16 at
// 96 DPI, 32 at 192), kept between 16 and IconCanvas::kMaxIconSize.
int TrayIconSize();

// ImageList1 as the program uses it: one 16x16 picture and a mask colour. The icon is built
// when asked for, so the mask colour in force at that moment decides what is transparent. It is
// made at the tray's icon size, the picture enlarged in solid blocks, so that the tray has
// nothing left to scale (and blur).
class Win32ImageList final : public ImageList {
  public:
    void Clear() override;
    void SetBackColor(Colour colour) override;
    void Add(const Pixels& picture) override;
    void SetMaskColor(Colour colour) override;
    std::optional<IconPicture> Picture() const override;
    IconHandle MakeIcon() override;
    void DestroyIcon(IconHandle icon) override;

    // The size of the icons made from now on; 16 until set.
    void SetIconSize(int size) { iconSize_ = size; }
    int IconSize() const { return iconSize_; }

    // What an icon this list made and has not yet destroyed shows: its colours as painted and
    // the painted mask colour. Nothing for any other handle.
    std::optional<IconPicture> PictureOf(IconHandle icon) const;

  private:
    Pixels picture_{};
    bool hasPicture_ = false;
    Colour backColour_ = kButtonFace;
    Colour maskColour_ = kButtonFace;
    int iconSize_ = kFaceSize;
    IconCanvas canvas_;
    std::vector<std::pair<IconHandle, IconPicture>> live_;  // usually one
};

}  // namespace gv::win32
