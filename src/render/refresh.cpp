#include "render/refresh.h"

#include <string>

#include "common/date_format.h"
#include "render/face.h"
#include "tray/tray_commands.h"

namespace gv {

void Lng(ClockState& state, Surface& surface, const Platform& platform) {
    FaceContext face{state, surface, platform.clock, platform.locale};
    DrawFace(face);
    platform.window.ShowPreview(surface.Image());

    ImageList& images = platform.images;
    images.Clear();
    images.SetBackColor(BackgroundColour());
    images.Add(surface.Image());
    images.SetMaskColor(BackgroundColour());

    ModTray(platform, FormatDate(state.TipFmt, platform.clock.Now(), platform.locale));
}

}  // namespace gv
