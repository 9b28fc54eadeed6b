#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/image_list.h"
#include "platform/win32/gdi_tally.h"

namespace gv::win32 {

// ImageList1 as the program uses it: one 16x16 picture and a mask colour. The icon is built
// when asked for, so the mask colour in force at that moment decides what is transparent.
class Win32ImageList final : public ImageList {
  public:
    void Clear() override;
    void SetBackColor(Colour colour) override;
    void Add(const Pixels& picture) override;
    void SetMaskColor(Colour colour) override;
    std::optional<IconPicture> Picture() const override;
    IconHandle MakeIcon() override;
    void DestroyIcon(IconHandle icon) override;

    // What an icon this list made and has not yet destroyed shows: its colours as painted and
    // the painted mask colour. Nothing for any other handle.
    std::optional<IconPicture> PictureOf(IconHandle icon) const;

  private:
    Pixels picture_{};
    bool hasPicture_ = false;
    Colour backColour_ = kButtonFace;
    Colour maskColour_ = kButtonFace;
    IconCanvas canvas_;
    std::vector<std::pair<IconHandle, IconPicture>> live_;  // usually one
};

}  // namespace gv::win32
