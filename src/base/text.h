#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gv {

// Where formatted text goes. Drawing formats into a FixedText so that it never touches the heap.
class TextSink {
  public:
    virtual void Append(std::string_view text) = 0;

  protected:
    ~TextSink() = default;
};

class StringSink final : public TextSink {
  public:
    explicit StringSink(std::string& out) : out_(out) {}
    void Append(std::string_view text) override { out_.append(text); }

  private:
    std::string& out_;
};

// A bounded text on the stack. What does not fit is dropped; the face's patterns give at most a
// handful of characters, so nothing it needs is ever dropped.
template <std::size_t N>
class FixedText final : public TextSink {
  public:
    void Append(std::string_view text) override {
        for (char c : text) {
            if (size_ == N) return;
            data_[size_++] = c;
        }
    }
    std::string_view View() const { return {data_.data(), size_}; }
    void Clear() { size_ = 0; }

  private:
    std::array<char, N> data_{};
    std::size_t size_ = 0;
};

// Bytes of the UTF-8 character that starts at text[i], for i < text.size(). A broken sequence
// counts only the continuation bytes that really follow its lead byte, so it is at least 1 and
// never reaches past the end of the text.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// `value` in decimal with at least `minDigits` digits (zeros in front), "-" before a negative
// one. The digits go through a buffer on the stack: drawing formats numbers at every refresh.
void AppendDecimal(TextSink& out, long long value, int minDigits = 1);

}  // namespace gv
