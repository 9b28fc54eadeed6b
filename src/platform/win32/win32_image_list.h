#pragma once

#include "platform/image_list.h"

namespace gv::win32 {

// ImageList1 as the program uses it: one 16x16 picture and a mask colour. The icon is built
// when asked for, so the mask colour in force at that moment decides what is transparent.
class Win32ImageList final : public ImageList {
  public:
    void Clear() override;
    void SetBackColor(Colour colour) override;
    void Add(const Pixels& picture) override;
    void SetMaskColor(Colour colour) override;
    IconHandle MakeIcon() override;
    void DestroyIcon(IconHandle icon) override;

  private:
    Pixels picture_{};
    bool hasPicture_ = false;
    Colour backColour_ = kButtonFace;
    Colour maskColour_ = kButtonFace;
};

}  // namespace gv::win32
