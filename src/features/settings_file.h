#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "features/clock_state.h"
#include "ports/platform.h"

namespace gv {

// The settings file: twelve lines in the ANSI code page, each ending in CR LF: the tooltip
// pattern, the interval text, the two display modes and the eight colour slots.
inline constexpr std::string_view kSettingsFileName = "\\Gorvandel.ini";

// Longest item kept (longer items are read to their end but cut), and how much of a file is
// looked at in all: the twelve items of any sensible file fit many times over.
inline constexpr std::size_t kMaxItemBytes = 4096;
inline constexpr std::size_t kMaxFileBytes = 1 << 20;

// The executable's directory with "\Gorvandel.ini" appended as it stands.
std::string SettingsPath(FileSystem& files);

// Splits the open file into items one request at a time. Spaces before an item are
// skipped. An unquoted item runs to the next comma or line end (CR LF, LF or CR) and keeps its
// trailing spaces; a quoted one runs to the closing quote, "" inside standing for one quote,
// and whatever follows it on the line is dropped. A quote left open ends at the line end. Once
// the file holds no more items, this and every later request give nullopt. A null file reads
// as an empty one.
class SettingsItemReader {
  public:
    explicit SettingsItemReader(InputFile* file) : file_(file) {}
    std::optional<std::string> operator()();

  private:
    int Peek();
    int Get();
    void SkipToLineEnd();
    void TakeLineEnd(int c);

    InputFile* file_;
    char buffer_[512] = {};
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    std::size_t consumed_ = 0;
    bool failed_ = false;
};

// Reads the settings file into the state, the interval box and the swatches. An item that is
// missing or does not fit its field leaves the field as it was.
void LoadSettings(ClockState& state, const Platform& platform);

// The file's bytes for the current state and interval text. A text that holds a comma or begins
// with a space or a double quote is quoted, with inner quotes doubled, so that it reads back
// unchanged and the following lines stay in line.
std::string SettingsFileBytes(const ClockState& state, std::string_view intervalText,
                              CodePage& codePage);

// Writes the settings file whole or not at all. False when the old file was left as it was.
bool SaveSettings(const ClockState& state, const Platform& platform);

}  // namespace gv
