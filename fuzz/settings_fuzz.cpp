// Arbitrary bytes as the settings file, through the real reading path; then the writer and the
// reader again. The second read must give the state of the first whenever the written texts
// fit in an item (longer texts are cut by design), and nothing may crash or read out of bounds.
#include <cstdlib>
#include <string>

#include "fake/fake_platform.h"
#include "features/settings_file.h"
#include "features/settings_items.h"

namespace {

struct Read {
    gv::ClockState state;
    std::string interval;
};

Read Load(gv::fake::FakePlatform& fake, const std::string& bytes) {
    fake.files.Settings() = bytes;
    fake.window.interval = gv::kDefaultInterval;
    Read r;
    r.state.tipPattern = gv::kDefaultTipPattern;
    gv::LoadSettings(r.state, fake.Platform());
    r.interval = fake.window.interval;
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    gv::fake::FakePlatform fake;  // one code page for both reads, as on one machine
    const Read first = Load(fake, std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = gv::SettingsFileBytes(first.state, first.interval, fake.codePage);
    const Read second = Load(fake, written);

    // The texts are compared only when neither line was cut on reading back (an item keeps
    // 4 KiB). The lines written are measured rather than the texts encoded again: encoding
    // assigns bytes to characters in the fake code page, and could change what it reads.
    const std::size_t line1 = written.find("\r\n");
    const std::size_t line2 = written.find("\r\n", line1 + 2) - line1 - 2;
    const bool fits = line1 < gv::kMaxItemBytes && line2 < gv::kMaxItemBytes;
    const gv::FaceSettings& a = first.state.face;
    const gv::FaceSettings& b = second.state.face;
    if (fits &&
        (second.state.tipPattern != first.state.tipPattern || second.interval != first.interval ||
         a.topMode != b.topMode || a.bottomMode != b.bottomMode || a.colours != b.colours)) {
        std::abort();
    }
    // Writing what was read back must not change the file any more.
    if (fits && gv::SettingsFileBytes(second.state, second.interval, fake.codePage) != written) {
        std::abort();
    }
    return 0;
}
