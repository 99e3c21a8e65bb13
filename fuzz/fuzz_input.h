// FuzzInput: reads a fuzzer's byte string as a sequence of small choices.
// Every read succeeds; past the end it yields zeros and empty texts, so a
// short input still drives a whole (shorter) run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace mdx::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  size_t Remaining() const { return Empty() ? 0 : size_ - pos_; }

  uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }
  bool Bool() { return (Byte() & 1) != 0; }
  // A number in 0..limit-1 (0 when limit is 0).
  unsigned Below(unsigned limit) { return limit == 0 ? 0 : Byte() % limit; }
  // Two bytes, little-endian.
  unsigned Word() {
    unsigned low = Byte();
    return low | (static_cast<unsigned>(Byte()) << 8);
  }
  // A text of the length given by the next byte (at most `limit`).
  std::string Text(size_t limit = 255) {
    size_t length = Byte();
    if (length > limit) length = limit;
    return Bytes(length);
  }
  // Up to `length` raw bytes.
  std::string Bytes(size_t length) {
    if (length > Remaining()) length = Remaining();
    std::string out(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return out;
  }
  // Whatever is left.
  std::string Rest() { return Bytes(Remaining()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace mdx::fuzz
