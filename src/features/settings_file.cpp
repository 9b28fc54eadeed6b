#include "features/settings_file.h"

#include "base/number.h"
#include "base/text.h"
#include "features/settings_window.h"

namespace gv {

std::string SettingsPath(FileSystem& files) {
    return files.ExecutableDirectory() + std::string(kSettingsFileName);
}

int SettingsItemReader::Peek() {
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

int SettingsItemReader::Get() {
    const int c = Peek();
    if (c != -1) ++pos_;
    return c;
}

void SettingsItemReader::TakeLineEnd(int c) {
    if (c == '\r' && Peek() == '\n') Get();  // CR LF is one line end
}

void SettingsItemReader::SkipToLineEnd() {
    for (int c = Get(); c != -1; c = Get()) {
        if (c == ',' || c == '\n' || c == '\r') {
            TakeLineEnd(c);
            return;
        }
    }
}

std::optional<std::string> SettingsItemReader::operator()() {
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

void LoadSettings(ClockState& state, const Platform& platform) {
    const std::unique_ptr<InputFile> file =
        platform.files.OpenForReading(SettingsPath(platform.files));
    SettingsItemReader next(file.get());

    if (auto item = next()) state.tipPattern = platform.codePage.FromAnsi(*item);
    if (auto item = next()) platform.window.SetIntervalText(platform.codePage.FromAnsi(*item));
    if (auto item = next()) {
        if (auto mode = RoundToInt16(LeadingNumber(*item))) state.face.topMode = *mode;
    }
    if (auto item = next()) {
        if (auto mode = RoundToInt16(LeadingNumber(*item))) state.face.bottomMode = *mode;
    }
    for (int i = 0; i < 8; ++i) {
        if (auto item = next()) {
            if (auto colour = RoundToInt32(LeadingNumber(*item))) state.face.colours[i] = *colour;
        }
        ShowSwatchColour(platform, i, state.face.colours[i]);
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
    if (value >= 0) out += ' ';
    StringSink sink(out);
    AppendDecimal(sink, value);
    out += " \r\n";
}

}  // namespace

std::string SettingsFileBytes(const ClockState& state, std::string_view intervalText,
                              CodePage& codePage) {
    std::string out;
    AppendText(out, state.tipPattern, codePage);
    AppendText(out, intervalText, codePage);
    AppendNumber(out, state.face.topMode);
    AppendNumber(out, state.face.bottomMode);
    for (Colour c : state.face.colours) AppendNumber(out, c);
    return out;
}

bool SaveSettings(const ClockState& state, const Platform& platform) {
    const std::string bytes =
        SettingsFileBytes(state, platform.window.IntervalText(), platform.codePage);
    return platform.files.WriteWhole(SettingsPath(platform.files), bytes);
}

}  // namespace gv
