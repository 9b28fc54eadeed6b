// Prints the clock face that Gorvandel.exe draws for given settings and date, as the tray icon
// shows it: 16 rows of 16 pixels, each "rrggbb" or "------" where the icon is transparent. The
// end-to-end tests compare it with a screenshot of the icon docked in the tray.
//
//   face_dump TOP BOTTOM C0 C1 C2 C3 C4 C5 C6 C7 YYYY-MM-DD [HH:MM]
#include <cstdio>
#include <cstdlib>

#include "face/face.h"
#include "time/date_locale.h"

namespace {

int Usage() {
    std::fputs("usage: face_dump TOP BOTTOM C0 .. C7 YYYY-MM-DD [HH:MM]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 12 && argc != 13) return Usage();
    gv::FaceSettings settings;
    settings.topMode = static_cast<std::int16_t>(std::atoi(argv[1]));
    settings.bottomMode = static_cast<std::int16_t>(std::atoi(argv[2]));
    for (int i = 0; i < 8; ++i)
        settings.colours[static_cast<std::size_t>(i)] =
            static_cast<gv::Colour>(std::strtoll(argv[3 + i], nullptr, 0));

    int year = 0, month = 0, day = 0, hour = 12, minute = 0;
    if (std::sscanf(argv[11], "%d-%d-%d", &year, &month, &day) != 3) return Usage();
    if (argc == 13 && std::sscanf(argv[12], "%d:%d", &hour, &minute) != 2) return Usage();
    const gv::LocalTime now = gv::MakeLocalTime(year, month, day, hour, minute, 0);

    gv::Surface surface;
    gv::FaceContext face{settings, surface, now, gv::JapaneseLocale()};
    gv::DrawFace(face);

    // Only plain colours can be printed; the background is what the icon leaves transparent.
    for (int y = 0; y < gv::kFaceSize; ++y) {
        for (int x = 0; x < gv::kFaceSize; ++x) {
            const gv::Colour c = surface.At(x, y);
            if (c == gv::BackgroundColour()) {
                std::fputs("------", stdout);
            } else if (gv::IsSystemColour(c)) {
                std::printf("sys%03d", static_cast<int>(c & 0xFF));
            } else {
                std::printf("%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
            }
            std::fputc(x + 1 < gv::kFaceSize ? ' ' : '\n', stdout);
        }
    }
    return 0;
}
