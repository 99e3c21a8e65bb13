// Hand-built packet bytes for tests, written from formats/cds-binary.md and
// independent of the code under test.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "mdx00200/variant.h"

namespace packet_bytes {

struct Bytes {
  std::vector<uint8_t> b;

  Bytes& operator+=(const Bytes& other) {
    b.insert(b.end(), other.b.begin(), other.b.end());
    return *this;
  }
  size_t size() const { return b.size(); }
};

inline Bytes operator+(Bytes a, const Bytes& b) { return a += b; }

inline Bytes U8(uint8_t v) { return {{v}}; }
inline Bytes U16(uint16_t v) { return {{uint8_t(v), uint8_t(v >> 8)}}; }
inline Bytes U32(uint32_t v) { return {{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}}; }
inline Bytes I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
inline Bytes U64(uint64_t v) { return U32(uint32_t(v)) + U32(uint32_t(v >> 32)); }
inline Bytes F64(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return U64(bits);
}
inline Bytes Raw(const std::string& s) { return {std::vector<uint8_t>(s.begin(), s.end())}; }
// A name with its one-byte length in front (field and property names).
inline Bytes Name(const std::string& s) { return U8(uint8_t(s.size())) + Raw(s); }
// "96 19 E0 BD" -> bytes.
inline Bytes Hex(const char* text) {
  Bytes out;
  for (const char* p = text; *p;) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    out.b.push_back(uint8_t(std::stoi(std::string(p, 2), nullptr, 16)));
    p += 2;
  }
  return out;
}

// Field descriptor: name, size, type, attributes, properties (count first).
inline Bytes Field(const std::string& name, uint16_t size, uint16_t type, uint16_t attributes = 0,
                   const Bytes& props = U16(0)) {
  return Name(name) + U16(size) + U16(type) + U16(attributes) + props;
}
// Properties of a field.
inline Bytes WidthProp(uint16_t width) { return Name("WIDTH") + U16(2) + U16(0x02) + U16(width); }
inline Bytes SubtypeProp(const std::string& subtype) {
  return Name("SUBTYPE") + U16(1) + U16(0x49) + U8(uint8_t(subtype.size() + 1)) + Raw(subtype) + U8(0);
}
inline Bytes Props(std::initializer_list<Bytes> items) {
  Bytes out = U16(uint16_t(items.size()));
  for (const Bytes& item : items) out += item;
  return out;
}
inline Bytes LcidProp(int32_t lcid = 0x0416) { return Name("LCID") + U16(4) + U16(0x01) + I32(lcid); }

// Header + field descriptors + packet properties, then the records; the
// header size is the offset of the first record.
inline std::vector<uint8_t> Packet(uint16_t fieldCount, int32_t recordCount, const Bytes& fields,
                                   const Bytes& packetProps, const Bytes& records) {
  const size_t headerSize = 24 + fields.size() + packetProps.size();
  Bytes out = Hex("96 19 E0 BD") + I32(1) + I32(24) + U16(fieldCount) + I32(recordCount) + I32(3) +
              U16(uint16_t(headerSize)) + fields + packetProps + records;
  return out.b;
}

// A varying value with a one-, two- or four-byte length in front.
inline Bytes Var1(const std::string& s) { return U8(uint8_t(s.size())) + Raw(s); }
inline Bytes Var2(const std::string& s) { return U16(uint16_t(s.size())) + Raw(s); }
inline Bytes Var4(const std::string& s) { return U32(uint32_t(s.size())) + Raw(s); }

inline mdx::Variant AsPacket(const std::vector<uint8_t>& bytes) { return mdx::Variant::Bytes(bytes); }

}  // namespace packet_bytes
