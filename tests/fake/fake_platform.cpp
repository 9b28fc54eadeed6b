#include "fake/fake_platform.h"

#include <algorithm>
#include <cstring>

namespace gv::fake {

IconPicture FakeNotifyArea::Paint(const IconPicture& picture) const {
    if (systemShade == 0) return picture;
    IconPicture painted = picture;
    for (Colour& c : painted.pixels) c += IsSystemColour(c) ? systemShade : 0;
    painted.mask += IsSystemColour(painted.mask) ? systemShade : 0;
    return painted;
}

bool FakeNotifyArea::Send(TrayCommand command, const IconPicture* painted, const TipBytes& tip) {
    if (!log_.quiet) sent.push_back(command);
    const bool add = command == TrayCommand::Add;
    if (add == icon.has_value()) return false;
    log_.Add(add ? "tray add" : command == TrayCommand::Delete ? "tray delete" : "tray modify");
    if (command == TrayCommand::Delete) {
        icon.reset();
        return true;
    }
    if (add) icon = Icon{};
    if (painted != nullptr) {
        icon->picture = painted->pixels;
        for (std::size_t p = 0; p < painted->pixels.size(); ++p)
            icon->transparent[p] = painted->pixels[p] == painted->mask;
    }
    if (command != TrayCommand::ModifyPicture) icon->tip = tip;
    return true;
}

bool FakeNotifyArea::Announce(std::string_view title, std::string_view text) {
    announced.push_back(std::string(title) + ": " + std::string(text));
    log_.Add(icon ? "tray announce" : "tray announce refused");
    return icon.has_value();
}

LocalTime FakeClock::Now() {
    if (!scripted.empty()) {
        const LocalTime t = scripted.front();
        scripted.pop_front();
        return t;
    }
    const long long wall = elapsedMs + wallOffsetMs;
    const long long second = wall >= 0 ? wall / 1000 : -((999 - wall) / 1000);
    if (second != cachedSecond_ || !(start == cachedStart_)) {
        cachedSecond_ = second;
        cachedStart_ = start;
        cached_ = AddSeconds(start, cachedSecond_);
    }
    LocalTime now = cached_;
    now.millisecond = static_cast<int>(wall - second * 1000);
    return now;
}

FileContents FakeFiles::Read(std::string_view path, std::size_t maxBytes) {
    ++reads;
    auto it = entries.find(path);
    if (it == entries.end()) return {FileContents::Status::Absent, {}};
    if (int& locked = it->second.unreadable; locked != 0) {
        locked -= locked > 0;
        return {FileContents::Status::Unreadable, {}};
    }
    std::deque<std::string>& earlier = it->second.earlier;
    std::string bytes = (earlier.empty() ? it->second.bytes : earlier.front()).substr(0, maxBytes);
    if (!earlier.empty()) earlier.pop_front();
    return {FileContents::Status::Read, std::move(bytes)};
}

void FakeCodePage::ToAnsi(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t n = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xF5 ? 2 + (lead >= 0xE0) + (lead >= 0xF0)
                                                            : 0;
        bool whole = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; whole && k < n; ++k) whole = (utf8[i + k] & 0xC0) == 0x80;
        if (!whole || n == 1) {
            out += whole ? utf8[i] : '?';
            ++i;
            continue;
        }
        const std::string_view character = utf8.substr(i, n);
        i += n;
        auto it = std::find(characters_.begin(), characters_.end(), character);
        if (it == characters_.end()) it = characters_.emplace(it, character);
        const auto index = static_cast<unsigned>(it - characters_.begin());
        out += static_cast<char>(0x81 + index / 64 % 31);  // the tests meet a few dozen
        out += static_cast<char>(0x40 + index % 64);
    }
}

std::string FakeCodePage::FromAnsi(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]) - 0x81u;
        const auto trail =
            i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) - 0x40u : 64u;
        if (bytes[i] >= 0) {
            out += bytes[i];
        } else if (lead < 31 && trail < 64) {
            // Not yet a character: read as one, a pair would read otherwise once it became one.
            const std::size_t index = lead * 64 + trail;
            out += index < characters_.size() ? std::string_view(characters_[index])
                                              : std::string_view("\xEF\xBF\xBD");
            ++i;
        } else {
            out += "\xEF\xBF\xBD";
        }
    }
    return out;
}

std::uint64_t Program::Run(long long ms, const std::function<void()>& afterTick) {
    const std::uint64_t before = fake.Refreshes();
    const long long end = fake.clock.elapsedMs + ms;
    while (fake.timer.interval > 0 && fake.timer.nextTick <= end) {
        fake.clock.elapsedMs = fake.timer.nextTick;
        fake.timer.nextTick += fake.timer.interval;
        clock.OnTick();
        if (afterTick) afterTick();
    }
    fake.clock.elapsedMs = end;
    return fake.Refreshes() - before;
}

}  // namespace gv::fake
