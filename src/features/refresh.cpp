#include "features/refresh.h"

#include "face/face.h"
#include "time/date_format.h"

namespace gv {

void Refresh(const ClockState& state, Surface& surface, const Platform& platform) {
    FaceContext face{state.face, surface, platform.clock, platform.locale};
    DrawFace(face);
    platform.window.ShowPreview(surface.Image());

    // Formatted on the stack, so that a refresh touches the heap no more than drawing does.
    FixedText<kTipTextBytes> tip;
    FormatDate(state.tipPattern, platform.clock.Now(), platform.locale, tip);
    platform.tray.Modify(TrayPicture(surface), tip.View());
}

IconPicture TrayPicture(const Surface& surface) { return {surface.Image(), BackgroundColour()}; }

}  // namespace gv
