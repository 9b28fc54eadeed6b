#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gv {

// The settings file's items: texts and numbers, one a line.

// Longest item kept (longer items are read to their end but cut), and how much of a file is
// looked at in all: the twelve items of any sensible file fit many times over.
inline constexpr std::size_t kMaxItemBytes = 4096;
inline constexpr std::size_t kMaxFileBytes = 1 << 20;

// Splits the file's bytes into items one request at a time. Spaces before an item are
// skipped. An unquoted item runs to the next comma or line end (CR LF, LF or CR) and keeps its
// trailing spaces; a quoted one runs to the closing quote, "" inside standing for one quote,
// and whatever follows it on the line is dropped. A quote left open ends at the line end. Once
// the bytes hold no more items, this and every later request give nullopt.
class SettingsItemReader {
  public:
    explicit SettingsItemReader(std::string_view bytes) : bytes_(bytes) {}
    std::optional<std::string> operator()();

  private:
    int Peek() const;
    int Get();
    void SkipToLineEnd();
    void TakeLineEnd(int c);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

// Appends a text item's bytes and its line end. A text that holds a comma or begins with a space
// or a double quote is quoted, with inner quotes doubled, so that it reads back unchanged and
// the following lines stay in line; a CR or LF in it becomes a space.
void AppendItem(std::string& out, std::string_view bytes);
// Appends a number item and its line end: " 255 " for zero and positive values, "-1 " for
// negative ones.
void AppendNumberItem(std::string& out, long long value);

}  // namespace gv
