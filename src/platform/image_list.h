#pragma once

#include <optional>

#include "platform/shell.h"
#include "render/pixels.h"

namespace gv {

// ImageList1: turns the drawn face into the tray icon. The refresh empties it and adds the face
// as its only image; the tray commands make an icon of that image, in which pixels of the mask
// colour are transparent and system colours are painted as the system shows them.
class ImageList {
  public:
    virtual ~ImageList() = default;
    virtual void Clear() = 0;
    virtual void SetBackColor(Colour colour) = 0;
    virtual void Add(const Pixels& picture) = 0;  // becomes image 1, key "A"
    virtual void SetMaskColor(Colour colour) = 0;
    // What an icon made now would show, without making one; nothing while there is no image 1.
    virtual std::optional<IconPicture> Picture() const = 0;
    // 0 when there is no image 1. Every icon made must be handed back to DestroyIcon.
    virtual IconHandle MakeIcon() = 0;
    virtual void DestroyIcon(IconHandle icon) = 0;
};

// Owns one icon from MakeIcon until the end of the scope that needs it.
class OwnedIcon {
  public:
    explicit OwnedIcon(ImageList& list) : list_(list), handle_(list.MakeIcon()) {}
    ~OwnedIcon() {
        if (handle_ != 0) list_.DestroyIcon(handle_);
    }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;
    IconHandle Handle() const { return handle_; }

  private:
    ImageList& list_;
    IconHandle handle_;
};

}  // namespace gv
