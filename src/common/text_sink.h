#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gv {

// Where formatted text goes. The face composer formats into a FixedText so that drawing never
// touches the heap; the tooltip goes into a std::string.
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

// A bounded text on the stack. What does not fit is dropped; the composer's patterns give at
// most a handful of characters, so nothing it needs is ever dropped.
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

}  // namespace gv
