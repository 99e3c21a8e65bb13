// Little-endian reading and writing of packet bytes. The reader checks every
// read against the end of its buffer and raises EDatabaseError naming the
// offset and what was being read, so damaged input never reads out of bounds.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace mdx::dataset {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Position() const { return pos_; }
  const uint8_t* Here() const { return data_ + pos_; }
  size_t Remaining() const { return size_ - pos_; }
  // Raises EDatabaseError unless count bytes remain.
  void Need(size_t count, const char* what) const;
  void Skip(size_t count, const char* what) {
    Need(count, what);
    pos_ += count;
  }
  void Seek(size_t position, const char* what);

  uint8_t U8(const char* what) {
    Need(1, what);
    return data_[pos_++];
  }
  uint16_t U16(const char* what) {
    Need(2, what);
    const uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32(const char* what) {
    Need(4, what);
    const uint32_t v = Load32(data_ + pos_);
    pos_ += 4;
    return v;
  }
  int32_t I32(const char* what) { return static_cast<int32_t>(U32(what)); }
  uint64_t U64(const char* what) {
    Need(8, what);
    const uint64_t v = Load32(data_ + pos_) | (uint64_t{Load32(data_ + pos_ + 4)} << 32);
    pos_ += 8;
    return v;
  }
  double F64(const char* what) {
    const uint64_t bits = U64(what);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }
  // An unsigned integer of 1, 2 or 4 bytes (a varying value's length prefix).
  uint32_t UInt(size_t width, const char* what) {
    if (width == 1) return U8(what);
    if (width == 2) return U16(what);
    return U32(what);
  }
  const uint8_t* Bytes(size_t count, const char* what) {
    Need(count, what);
    const uint8_t* p = data_ + pos_;
    pos_ += count;
    return p;
  }

 private:
  static uint32_t Load32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  std::vector<uint8_t>& Buffer() { return out_; }
  size_t Size() const { return out_.size(); }
  void Reserve(size_t bytes) { out_.reserve(bytes); }

  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v) {
    uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    Append(b, 2);
  }
  void U32(uint32_t v) {
    uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                    static_cast<uint8_t>(v >> 24)};
    Append(b, 4);
  }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void U64(uint64_t v) {
    U32(static_cast<uint32_t>(v));
    U32(static_cast<uint32_t>(v >> 32));
  }
  void F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    U64(bits);
  }
  void UInt(size_t width, uint32_t v) {
    if (width == 1)
      U8(static_cast<uint8_t>(v));
    else if (width == 2)
      U16(static_cast<uint16_t>(v));
    else
      U32(v);
  }
  void Append(const void* data, size_t count) {
    if (count == 0) return;
    const size_t at = out_.size();
    out_.resize(at + count);
    std::memcpy(out_.data() + at, data, count);
  }
  void Append(const std::string& bytes) { Append(bytes.data(), bytes.size()); }
  // Overwrites bytes already written (the header's counts, known at the end).
  void PatchU16(size_t at, uint16_t v) {
    out_[at] = static_cast<uint8_t>(v);
    out_[at + 1] = static_cast<uint8_t>(v >> 8);
  }
  void PatchU32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }

 private:
  std::vector<uint8_t> out_;
};

}  // namespace mdx::dataset
