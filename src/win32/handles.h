#pragma once

#include <utility>

#include "win32/gdi_tally.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// The one way this program owns a handle: a UniqueHandle frees it when the owner goes or takes
// another. The traits say what no handle looks like (a null pointer for most, an invalid value for
// files and searches) and how the handle is given back. A handle is moved, never copied.
template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::None(); }
    // Frees the handle held, if any, and holds `handle`. False when the system refused to free
    // it (a file whose last bytes could not be written says so at its close).
    bool Reset(Handle handle = Traits::None()) {
        const bool freed = !*this || Traits::Free(handle_);
        handle_ = handle;
        return freed;
    }
    // Gives the handle up without freeing it: something else has ended it, or owns it now.
    Handle Release() { return std::exchange(handle_, Traits::None()); }

  private:
    Handle handle_ = Traits::None();
};

// `FreeHandle` is the call that gives a handle back: the system's own (DeleteObject takes a font
// as any GDI object), or the tallied one for icons and bitmaps, which are counted as they are
// made and destroyed so that a leak shows in the tally.
template <typename H, auto FreeHandle>
struct NullIsNone {
    using Handle = H;
    static Handle None() { return nullptr; }
    static bool Free(Handle handle) { return FreeHandle(handle) != 0; }
};

// A file's handle, and a search's, are INVALID_HANDLE_VALUE when there is none.
template <auto FreeHandle>
struct InvalidIsNone {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static bool Free(Handle handle) { return FreeHandle(handle) != 0; }
};

using UniqueFont = UniqueHandle<NullIsNone<HFONT, DeleteObject>>;
using UniqueIcon = UniqueHandle<NullIsNone<HICON, DestroyTalliedIcon>>;
using UniqueBitmap = UniqueHandle<NullIsNone<HBITMAP, DeleteTalliedBitmap>>;
using UniqueWindow = UniqueHandle<NullIsNone<HWND, DestroyWindow>>;
// A kernel object such as a mutex: null when there is none.
using UniqueKernelObject = UniqueHandle<NullIsNone<HANDLE, CloseHandle>>;
using UniqueFile = UniqueHandle<InvalidIsNone<CloseHandle>>;
using UniqueFileSearch = UniqueHandle<InvalidIsNone<FindClose>>;

// Borrowed for the length of a scope, not owned: a window's device context, given back to
// its window, and an object selected into a device context, the previous one selected again.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace gv::win32
