#pragma once

namespace gv::win32 {

// From now on, DLLs that the program or the system loads for it (themes, input methods, the
// colour dialog) come only from the system folder, never from the folder of the .exe: a portable
// .exe is often run from Downloads, beside whatever else was downloaded. The call came with an
// update to Windows 7, so it is looked up at run time; without it nothing changes.
void LoadDllsOnlyFromSystem();

}  // namespace gv::win32
