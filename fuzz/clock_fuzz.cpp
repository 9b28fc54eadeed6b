// The whole clock with arbitrary bytes as its settings file, on the fake platform: the start and
// its first face, seconds in the tray across midnight into a new year, a click that brings the
// window up, a few ticks there, Apply, the tray again, a click, and the close. Nothing may fault,
// and the close writes twelve lines. Before the close the box gets the file's first bytes, line
// breaks and all, as a paste would bring them: what the close writes on line 2 must read back as
// the number the box reads as.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/number.h"
#include "fake/fake_platform.h"
#include "features/settings_file.h"

namespace {

// The one place where the clock hears of a click on its icon.
void ClickIcon(gv::fake::Program& p) { p.Click(gv::kWmLButtonUp); }

// Ticks with the window up, at most twenty: an interval of a millisecond ticks every one.
void TickWithWindowUp(gv::fake::Program& p) {
    const long long period = std::max(1, p.clock.State().ticks.periodMs);
    p.Run(std::min(1500LL, 20 * period));
}

// Twelve lines, each ending in CR LF, and no other CR or LF.
bool TwelveLines(std::string_view file) {
    int lines = 0;
    for (std::size_t i = file.find_first_of("\r\n"); i != std::string_view::npos;
         i = file.find_first_of("\r\n", i + 2)) {
        if (file.substr(i, 2) != "\r\n") return false;
        ++lines;
    }
    return lines == 12 && file.ends_with("\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    gv::fake::Program p;
    p.fake.log.quiet = true;
    // A few seconds across a new minute, day and year: a whole minute would cost sixty
    // refreshes for a pattern with seconds, and find no more.
    p.fake.clock.start = gv::MakeLocalTime(2023, 12, 31, 23, 59, 58);
    p.fake.files.Settings() = bytes;

    p.clock.Start();  // a file is there: to the tray
    p.Run(3'000);
    ClickIcon(p);
    TickWithWindowUp(p);
    p.clock.OnApply();
    if (p.fake.window.visible) {
        TickWithWindowUp(p);  // the interval was refused
    } else {
        p.Run(3'000);
        ClickIcon(p);
    }
    p.fake.window.SetIntervalText(bytes.substr(0, std::min<std::size_t>(64, bytes.find('\0'))));
    const std::string typed = p.fake.window.IntervalText();
    p.fake.window.Close();

    if (p.fake.files.written != 1 || !TwelveLines(p.fake.files.Settings())) std::abort();
    gv::ClockState read;
    gv::LoadSettings(read, p.fake.Platform());  // the same code page, as on one machine
    if (gv::LeadingNumber(p.fake.window.IntervalText()) != gv::LeadingNumber(typed)) std::abort();
    return 0;
}
