#include "fake/fake_platform.h"

#include <algorithm>
#include <cstring>

namespace gv::fake {

void FakeWindow::SetVisible(bool v) {
    visible = v;
    log_.push_back(v ? "window shown" : "window hidden");
}
void FakeWindow::RestoreNormal() {
    minimised = false;
    log_.push_back("window normal");
}
void FakeWindow::Show() {
    visible = true;
    log_.push_back("window show");
}
void FakeWindow::SetFocus() { log_.push_back("window focus"); }
void FakeWindow::AddComboItem(ComboId combo, std::string_view text) {
    Of(combo).items.emplace_back(text);
}
void FakeWindow::SelectComboIndex(ComboId combo, std::int16_t index) {
    Combo& c = Of(combo);
    c.selected = index >= 0 && static_cast<std::size_t>(index) < c.items.size() ? index : -1;
}
std::int16_t FakeWindow::ComboIndex(ComboId combo) const { return Of(combo).selected; }
void FakeWindow::EnableCombo(ComboId combo, bool enabled) { Of(combo).enabled = enabled; }
void FakeWindow::SetSwatchColour(int index, Colour colour) {
    if (index >= 0 && index < 8) swatches[static_cast<std::size_t>(index)] = colour;
}
void FakeWindow::ShowMessage(std::string_view text) {
    messages.emplace_back(text);
    log_.push_back("message box");
}
void FakeWindow::ShowColorDialog() {
    log_.push_back("colour dialog");
    if (whileDialogOpen) whileDialogOpen();
    if (dialogAnswers.empty()) return;  // closed without a choice: a cancel
    const std::optional<Colour> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (answer) dialogColour = *answer;
}

bool FakeShell::NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    bool accepted = false;
    const bool ours =
        data.hWnd == window_.handle && data.uID == 1 && data.cbSize == kNotifyIconDataSize;
    if (ours && message == kNimAdd && !icon) {
        TrayIcon added;
        TakeIcon(data, added);
        icon = added;
        accepted = true;
    } else if (ours && message == kNimModify && icon) {
        TakeIcon(data, *icon);
        accepted = true;
    } else if (ours && message == kNimDelete && icon) {
        icon.reset();
        accepted = true;
    }
    std::optional<IconPicture> picture;
    if (const FakeImageList::Icon* i = images_.Find(data.hIcon); i && (data.uFlags & kNifIcon))
        picture = IconPicture{i->picture, i->mask};
    filter_.Sent(message, data, picture, accepted);
    sent.push_back({message, data, accepted});
    log_.push_back(message == kNimAdd      ? "icon add"
                   : message == kNimModify ? "icon modify"
                                           : "icon delete");
    return accepted;
}

bool FakeShell::ModifyWouldChange(const NotifyIconData& data,
                                  const std::optional<IconPicture>& picture) {
    ++modifiesAsked;
    const bool changes = filter_.ShouldSend(kNimModify, data, picture);
    if (!changes) ++modifiesDeclined;
    return changes;
}

void FakeShell::TakeIcon(const NotifyIconData& data, TrayIcon& target) {
    if (data.uFlags & kNifMessage) target.callback = data.uCallbackMessage;
    if (data.uFlags & kNifTip) target.tip = data.szTip;
    if (data.uFlags & kNifIcon) {
        // The shell copies the icon's picture: the handle may be destroyed once we return.
        if (const FakeImageList::Icon* i = images_.Find(data.hIcon)) {
            target.picture = i->picture;
            for (std::size_t p = 0; p < i->picture.size(); ++p) {
                target.transparent[p] = i->picture[p] == i->mask;
            }
        }
    }
}

std::int32_t FakeShell::SetWindowPos(WindowHandle window, std::int32_t after, std::uint32_t flags) {
    zorder.push_back({window, after, flags});
    log_.push_back("z-order " + std::to_string(after));
    if (window != window_.handle) return 0;
    if (after == kHwndTopmost) window_.topmost = true;
    if (after == kHwndNoTopmost) window_.topmost = false;
    if (flags & kSwpShowWindow) window_.visible = true;
    return 1;
}

bool FakeShell::GetWorkArea(WorkArea& area) {
    if (workAreaFails) return false;
    area = workArea;
    return true;
}

std::optional<IconPicture> FakeImageList::Picture() const {
    if (images.empty()) return std::nullopt;
    return IconPicture{images.front(), maskColour};
}

IconHandle FakeImageList::MakeIcon() {
    if (images.empty()) return 0;
    const IconHandle h = next_++;
    live[h] = Icon{images.front(), maskColour};
    ++made;
    return h;
}

void FakeImageList::DestroyIcon(IconHandle icon) {
    if (live.erase(icon) == 1) ++destroyed;
}

const FakeImageList::Icon* FakeImageList::Find(IconHandle handle) const {
    auto it = live.find(handle);
    return it == live.end() ? nullptr : &it->second;
}

void FakeTimer::SetInterval(std::int32_t ms) {
    interval = ms;
    nextTick = (now ? now() : 0) + ms;  // setting the interval restarts the period
}

LocalTime FakeClock::Now() {
    if (!scripted.empty()) {
        LocalTime t = scripted.front();
        scripted.pop_front();
        return t;
    }
    return AddSeconds(start, elapsedMs / 1000);
}

bool FakeFiles::IsOrdinaryFile(std::string_view path) {
    auto it = entries.find(path);
    return it != entries.end() && !it->second.directory && !it->second.hidden && !it->second.system;
}

namespace {
class MemoryFile final : public InputFile {
  public:
    explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - pos_);
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }

  private:
    std::string bytes_;
    std::size_t pos_ = 0;
};
}  // namespace

std::unique_ptr<InputFile> FakeFiles::OpenForReading(std::string_view path) {
    auto it = entries.find(path);
    if (it == entries.end() || it->second.directory) return nullptr;
    return std::make_unique<MemoryFile>(it->second.bytes);
}

bool FakeFiles::WriteWhole(std::string_view path, std::string_view bytes) {
    if (replaceFails) return false;
    auto it = entries.find(path);
    if (it != entries.end() && it->second.directory) return false;
    entries[std::string(path)] = Entry{std::string(bytes)};
    ++replaced;
    return true;
}

void FakeCodePage::ToAnsi(std::string_view utf8, std::string& out) {
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        std::size_t n = (lead >> 5) == 0x6    ? 2
                        : (lead >> 4) == 0xE  ? 3
                        : (lead >> 3) == 0x1E ? 4
                                              : 0;
        bool valid = n != 0 && i + n <= utf8.size();
        for (std::size_t k = 1; valid && k < n; ++k) {
            valid = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        }
        if (!valid) {  // like the system: what is no character becomes the default character
            out += '?';
            ++i;
            continue;
        }
        const std::string character(utf8.substr(i, n));
        i += n;
        auto it = std::find(characters_.begin(), characters_.end(), character);
        std::size_t index = static_cast<std::size_t>(it - characters_.begin());
        if (it == characters_.end()) {
            characters_.push_back(character);
        }
        // 60 lead bytes times 188 trail bytes; the tests use a few dozen characters.
        const std::size_t leadIndex = index / 188 % 60, trailIndex = index % 188;
        const unsigned leadByte = leadIndex < 31 ? 0x81 + leadIndex : 0xE0 + (leadIndex - 31);
        const unsigned trailByte = trailIndex < 63 ? 0x40 + trailIndex : 0x80 + (trailIndex - 63);
        out += static_cast<char>(leadByte);
        out += static_cast<char>(trailByte);
    }
}

std::string FakeCodePage::FromAnsi(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        const bool isLead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (isLead && i + 1 < bytes.size()) {
            const unsigned char t = static_cast<unsigned char>(bytes[i + 1]);
            if ((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC)) {
                const std::size_t leadIndex = b <= 0x9F ? b - 0x81 : 31 + (b - 0xE0);
                const std::size_t trailIndex = t <= 0x7E ? t - 0x40 : 63 + (t - 0x80);
                const std::size_t index = leadIndex * 188 + trailIndex;
                ++i;
                out += index < characters_.size() ? characters_[index] : "\xE3\x83\xBB";  // ・
                continue;
            }
        }
        out += "\xEF\xBF\xBD";
    }
    return out;
}

FakePlatform::FakePlatform() : locale(&JapaneseLocale()) {
    timer.now = [this] { return clock.elapsedMs; };
}

gv::Platform FakePlatform::Platform() {
    return gv::Platform{window, shell, images, timer, clock, *locale, files, codePage};
}

int Program::Run(long long ms) {
    const int before = Refreshes();
    const long long end = fake.clock.elapsedMs + ms;
    while (fake.timer.interval > 0 && fake.timer.nextTick <= end) {
        fake.clock.elapsedMs = fake.timer.nextTick;
        fake.timer.nextTick += fake.timer.interval;
        form.Timer1_Timer();
    }
    fake.clock.elapsedMs = end;
    return Refreshes() - before;
}

int Program::Refreshes() const { return fake.shell.modifiesAsked; }

}  // namespace gv::fake
