#include "settings/settings_file.h"

#include <charconv>

#include "common/number.h"
#include "settings/settings_window.h"

namespace gv {

std::string SettingsPath(FileSystem& files) {
    return files.ExecutableDirectory() + std::string(kSettingsFileName);
}

int RdItem::Peek() {
    if (pos_ == size_) {
        if (file_ == nullptr || consumed_ >= kMaxFileBytes) return -1;
        size_ = file_->Read(buffer_, sizeof buffer_);
        pos_ = 0;
        if (size_ > sizeof buffer_) size_ = 0;  // a platform that overreports reads as the end
        consumed_ += size_;
        if (size_ == 0) return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int RdItem::Get() {
    const int c = Peek();
    if (c != -1) ++pos_;
    return c;
}

void RdItem::TakeLineEnd(int c) {
    if (c == '\r' && Peek() == '\n') Get();  // CR LF is one line end
}

void RdItem::SkipToLineEnd() {
    for (int c = Get(); c != -1; c = Get()) {
        if (c == ',' || c == '\n' || c == '\r') {
            TakeLineEnd(c);
            return;
        }
    }
}

std::optional<std::string> RdItem::operator()() {
    if (failed_) return std::nullopt;
    while (Peek() == ' ') Get();
    if (Peek() == -1) {
        failed_ = true;
        return std::nullopt;
    }
    std::string item;
    auto keep = [&item](int c) {
        if (item.size() < kMaxItemBytes) item.push_back(static_cast<char>(c));
    };
    if (Peek() == '"') {
        Get();
        for (int c = Get(); c != -1; c = Get()) {
            if (c == '"') {
                if (Peek() == '"') {
                    Get();
                    keep('"');
                    continue;
                }
                SkipToLineEnd();
                break;
            }
            if (c == '\n' || c == '\r') {
                TakeLineEnd(c);
                break;
            }
            keep(c);
        }
        return item;
    }
    for (int c = Get(); c != -1; c = Get()) {
        if (c == ',' || c == '\n' || c == '\r') {
            TakeLineEnd(c);
            break;
        }
        keep(c);
    }
    return item;
}

void LdDat(ClockState& state, const Platform& platform) {
    const std::unique_ptr<InputFile> file =
        platform.files.OpenForReading(SettingsPath(platform.files));
    RdItem next(file.get());

    if (auto item = next()) state.TipFmt = platform.codePage.FromAnsi(*item);
    if (auto item = next()) platform.window.SetIntervalText(platform.codePage.FromAnsi(*item));
    if (auto item = next()) {
        if (auto mode = RoundToInt16(LeadingNumber(*item))) state.Hyo1 = *mode;
    }
    if (auto item = next()) {
        if (auto mode = RoundToInt16(LeadingNumber(*item))) state.Hyo2 = *mode;
    }
    for (int i = 0; i < 8; ++i) {
        if (auto item = next()) {
            if (auto colour = RoundToInt32(LeadingNumber(*item))) state.Clr[i] = *colour;
        }
        ShowSlotColour(platform, i, state.Clr[i]);
    }
}

namespace {

bool NeedsQuotes(std::string_view text) {
    return text.find(',') != std::string_view::npos ||
           (!text.empty() && (text.front() == ' ' || text.front() == '"'));
}

void AppendText(std::string& out, std::string_view utf8, CodePage& codePage) {
    std::string bytes;
    codePage.ToAnsi(utf8, bytes);
    if (!NeedsQuotes(bytes)) {
        out += bytes;
    } else {
        out += '"';
        for (char c : bytes) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

// " 255 " for zero and positive values, "-1 " for negative ones.
void AppendNumber(std::string& out, long long value) {
    char digits[24];
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude);
    (void)ec;
    out += value < 0 ? '-' : ' ';
    out.append(digits, end);
    out += " \r\n";
}

}  // namespace

std::string SettingsFileBytes(const ClockState& state, std::string_view intervalText,
                              CodePage& codePage) {
    std::string out;
    AppendText(out, state.TipFmt, codePage);
    AppendText(out, intervalText, codePage);
    AppendNumber(out, state.Hyo1);
    AppendNumber(out, state.Hyo2);
    for (Colour c : state.Clr) AppendNumber(out, c);
    return out;
}

bool SaveSettings(const ClockState& state, const Platform& platform) {
    const std::string bytes =
        SettingsFileBytes(state, platform.window.IntervalText(), platform.codePage);
    return platform.files.WriteWhole(SettingsPath(platform.files), bytes);
}

}  // namespace gv
