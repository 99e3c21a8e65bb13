#include "runtime/dataset/property_codec.h"

#include "mdx00200/exceptions.h"
#include "runtime/dataset/packet_format.h"

namespace mdx::dataset {

using namespace packet;

RawProperty ReadProperty(ByteReader& in) {
  RawProperty p;
  const uint8_t nameLength = in.U8("a property name");
  const uint8_t* name = in.Bytes(nameLength, "a property name");
  p.name.assign(reinterpret_cast<const char*>(name), nameLength);
  p.size = in.U16("a property");
  p.type = in.U16("a property");
  const uint8_t* start = in.Here();
  const size_t startPos = in.Position();
  if (p.type & kArray) {
    const int32_t count = in.I32("a property's element count");
    const uint64_t bytes = static_cast<uint64_t>(count < 0 ? 0 : count) * p.size;
    if (count < 0 || bytes > in.Remaining())
      throw EDatabaseError("Invalid data packet: property '" + p.name + "' claims " + std::to_string(count) +
                           " elements of " + std::to_string(p.size) + " bytes, more than the packet holds");
    in.Skip(static_cast<size_t>(bytes), "a property's elements");
  } else if (p.type & kVarying) {
    if (p.size != 1 && p.size != 2 && p.size != 4)
      throw EDatabaseError("Invalid data packet: property '" + p.name + "' has a length prefix of " +
                           std::to_string(p.size) + " bytes");
    const uint32_t length = in.UInt(p.size, "a property's length");
    in.Skip(length, "a property's value");
  } else {
    in.Skip(p.size, "a property's value");
  }
  p.value.assign(reinterpret_cast<const char*>(start), in.Position() - startPos);
  return p;
}

void WriteProperty(ByteWriter& out, const RawProperty& p) {
  out.U8(static_cast<uint8_t>(p.name.size()));
  out.Append(p.name);
  out.U16(p.size);
  out.U16(p.type);
  out.Append(p.value);
}

std::optional<int64_t> PropertyInteger(const RawProperty& p) {
  const uint16_t base = p.type & kTypeMask;
  if ((p.type & (kArray | kVarying)) || (base != kInt && base != kUInt)) return std::nullopt;
  if (p.value.size() != p.size || (p.size != 1 && p.size != 2 && p.size != 4)) return std::nullopt;
  uint32_t v = 0;
  for (size_t i = 0; i < p.size; ++i) v |= uint32_t{static_cast<uint8_t>(p.value[i])} << (8 * i);
  if (base == kUInt) return v;
  if (p.size == 1) return static_cast<int8_t>(v);
  if (p.size == 2) return static_cast<int16_t>(v);
  return static_cast<int32_t>(v);
}

std::optional<std::string> PropertyText(const RawProperty& p) {
  if ((p.type & kArray) || !(p.type & kVarying) || (p.type & kTypeMask) != kZString) return std::nullopt;
  if (p.value.size() < p.size) return std::nullopt;
  std::string text = p.value.substr(p.size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

RawProperty MakeUInt16Property(const std::string& name, uint16_t value) {
  RawProperty p;
  p.name = name;
  p.size = 2;
  p.type = kUInt;
  p.value = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
  return p;
}

RawProperty MakeTextProperty(const std::string& name, const std::string& text) {
  RawProperty p;
  p.name = name;
  p.type = kZString | kVarying;
  const size_t length = text.size() + 1;
  p.size = length <= 0xFF ? 1 : 2;
  p.value.push_back(static_cast<char>(length & 0xFF));
  if (p.size == 2) p.value.push_back(static_cast<char>((length >> 8) & 0xFF));
  p.value += text;
  p.value.push_back('\0');
  return p;
}

}  // namespace mdx::dataset
