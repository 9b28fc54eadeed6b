#include "render/refresh.h"

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

    // Formatted on the stack, so that a refresh touches the heap no more than drawing does.
    FixedText<kTipTextBytes> tip;
    FormatDate(state.TipFmt, platform.clock.Now(), platform.locale, tip);
    ModTray(platform, tip.View());
}

}  // namespace gv
