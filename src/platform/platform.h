#pragma once

#include "common/date_locale.h"
#include "platform/files.h"
#include "platform/image_list.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace gv {

// Everything the program asks of the system, gathered so that the procedures can be handed one
// reference. The Windows build wires the Win32 implementations; tests wire the fake platform.
struct Platform {
    Window& window;
    Shell& shell;
    ImageList& images;
    Timer& timer;
    Clock& clock;
    const DateLocale& locale;
    FileSystem& files;
    CodePage& codePage;
};

}  // namespace gv
