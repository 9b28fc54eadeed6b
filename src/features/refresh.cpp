#include "features/refresh.h"

#include "face/face.h"
#include "time/date_format.h"

namespace gv {

LocalTime Refresh(const ClockState& state, Surface& surface, const Platform& platform) {
    const LocalTime now = platform.clock.Now();
    FaceContext face{state.face, surface, now, platform.locale};
    DrawFace(face);
    platform.window.ShowPreview(surface.Image());

    // Formatted on the stack, so that a refresh touches the heap no more than drawing does.
    FixedText<kTipTextBytes> tip;
    FormatDate(state.tipPattern, now, platform.locale, tip);
    platform.tray.Modify(TrayPicture(surface), tip.View());
    return now;
}

IconPicture TrayPicture(const Surface& surface) { return {surface.Image(), BackgroundColour()}; }

}  // namespace gv
