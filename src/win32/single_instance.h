#pragma once

#include "win32/handles.h"
#include "win32/windows_api.h"

namespace gv::win32 {

// One clock per folder, as the folder holds the settings file: two clocks there would overwrite
// each other's settings. The first start holds a mutex named after its folder for the whole
// run; a later start from the same folder asks the running clock to come forward and ends.
class FolderClaim {
  public:
    FolderClaim() = default;
    ~FolderClaim() { Release(); }
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    // True when this process is to run the clock of its folder: no clock runs there, or the
    // one that did has finished closing within a few seconds (this start then reads the
    // settings it has just written). False when the running clock took this start over or
    // does not answer (it hangs), also one started with rights that keep this start from opening
    // its mutex: this process then ends without touching anything.
    bool Claim();
    // Lets the folder go, once the settings are written.
    void Release();

  private:
    UniqueKernelObject mutex_;
    bool owned_ = false;
};

// Whether a second start's tag (its message's wParam) names this process's folder.
bool IsThisFolder(WPARAM tag);

}  // namespace gv::win32
