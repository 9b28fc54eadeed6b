#include "features/settings_file.h"

#include "base/number.h"
#include "features/settings_handlers.h"
#include "features/settings_items.h"

namespace gv {

std::string SettingsPath(FileSystem& files) {
    return files.ExecutableDirectory() + std::string(kSettingsFileName);
}

FileContents::Status LoadSettings(ClockState& state, const Platform& platform) {
    const std::string path = SettingsPath(platform.files);
    FileContents file = platform.files.Read(path, kMaxFileBytes);
    // Read again until two reads agree: another program may be writing the file in steps. A
    // missing final line end is no sign of that, as people edit the file by hand.
    for (std::int32_t waited = 0; file.status != FileContents::Status::Absent;) {
        const bool unreadable = file.status == FileContents::Status::Unreadable;
        const std::int32_t pause = unreadable ? kRetryPauseMs : kSettlePauseMs;
        if (waited + pause > kReadWaitMs) break;
        platform.clock.Sleep(pause);
        waited += pause;
        FileContents again = platform.files.Read(path, kMaxFileBytes);
        const bool settled =
            !unreadable && again.status == FileContents::Status::Read && again.bytes == file.bytes;
        file = std::move(again);
        if (settled) break;
    }
    SettingsItemReader next(file.status == FileContents::Status::Read ? std::string_view(file.bytes)
                                                                      : std::string_view());

    if (auto item = next()) {
        state.tipPattern = platform.codePage.FromAnsi(*item);
        state.tipPatternBytes = std::move(*item);
    }
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
    return file.status;
}

std::string SettingsFileBytes(const ClockState& state, std::string_view intervalText,
                              CodePage& codePage) {
    std::string out;
    // Bytes that are no character of the code page read as U+FFFD; encoding the text again
    // would write that, and the pattern would stay broken for good.
    if (state.tipPatternBytes && codePage.FromAnsi(*state.tipPatternBytes) == state.tipPattern) {
        AppendItem(out, *state.tipPatternBytes);
    } else {
        std::string bytes;
        codePage.ToAnsi(state.tipPattern, bytes);
        AppendItem(out, bytes);
    }
    // The box's number ends at a CR. Written as a space, a CR would let the number run on into
    // what follows ("2" CR LF "5" would read back as 25): line 2 takes the text up to the CR.
    std::string interval;
    codePage.ToAnsi(intervalText.substr(0, intervalText.find('\r')), interval);
    AppendItem(out, interval);
    AppendNumberItem(out, state.face.topMode);
    AppendNumberItem(out, state.face.bottomMode);
    for (Colour c : state.face.colours) AppendNumberItem(out, c);
    return out;
}

WriteStatus SaveSettings(const ClockState& state, const Platform& platform) {
    const std::string bytes =
        SettingsFileBytes(state, platform.window.IntervalText(), platform.codePage);
    const std::string path = SettingsPath(platform.files);
    for (int attempt = 1;; ++attempt) {
        const WriteStatus status = platform.files.WriteWhole(path, bytes);
        if (status != WriteStatus::Failed || attempt == kSaveAttempts) return status;
        platform.clock.Sleep(kRetryPauseMs);
    }
}

std::string SaveFailedMessage(std::string_view path, Unsaved why) {
    std::string text(why == Unsaved::FileUnread
                         ? "設定ファイルを読み込めなかったため、設定を保存しませんでした。"
                     : why == Unsaved::ReadOnly
                         ? "設定ファイルが読み取り専用のため、設定を保存しませんでした。"
                         : "設定を保存できませんでした。");
    text += "\n";
    text += path;
    return text;
}

}  // namespace gv
