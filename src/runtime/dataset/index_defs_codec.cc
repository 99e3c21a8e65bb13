#include "runtime/dataset/index_defs_codec.h"

#include "mdx00200/exceptions.h"
#include "runtime/dataset/byte_io.h"
#include "runtime/dataset/packet_format.h"

namespace mdx::dataset {

namespace {

constexpr uint16_t kLayoutVersion = 1;
constexpr uint16_t kCaseInsensitive = 0x0001;

[[noreturn]] void Damaged(const std::string& why) {
  throw EDatabaseError("Invalid data packet: the stored index definitions are damaged (" + why + ")");
}

}  // namespace

RawProperty EncodeIndexDefs(const std::vector<TIndexDef>& defs) {
  ByteWriter body;
  body.U16(kLayoutVersion);
  body.U16(static_cast<uint16_t>(defs.size()));
  for (const TIndexDef& def : defs) {
    if (def.Name.size() > 0xFF || def.Fields.size() > 0xFFFF)
      throw EDatabaseError("Index '" + def.Name + "' is too long to be stored");
    body.U8(static_cast<uint8_t>(def.Name.size()));
    body.Append(def.Name);
    body.U16(static_cast<uint16_t>(def.Fields.size()));
    body.Append(def.Fields);
    body.U16(def.Options.Contains(ixCaseInsensitive) ? kCaseInsensitive : 0);
  }
  RawProperty p;
  p.name = packet::kIndexDefs;
  p.size = 4;
  p.type = packet::kBytes | packet::kVarying;
  ByteWriter value;
  value.U32(static_cast<uint32_t>(body.Size()));
  value.Append(body.Buffer().data(), body.Size());
  p.value.assign(value.Buffer().begin(), value.Buffer().end());
  return p;
}

std::vector<TIndexDef> DecodeIndexDefs(const RawProperty& p) {
  if (p.type != (packet::kBytes | packet::kVarying) || p.size != 4) Damaged("unexpected value type");
  ByteReader in(reinterpret_cast<const uint8_t*>(p.value.data()), p.value.size());
  try {
    const uint32_t length = in.U32("the length");
    if (length != in.Remaining()) Damaged("wrong length");
    const uint16_t version = in.U16("the version");
    if (version != kLayoutVersion) Damaged("layout version " + std::to_string(version));
    const uint16_t count = in.U16("the count");
    TIndexDefs defs;
    for (uint16_t i = 0; i < count; ++i) {
      const uint8_t nameLength = in.U8("a name");
      const uint8_t* name = in.Bytes(nameLength, "a name");
      const uint16_t fieldsLength = in.U16("a field list");
      const uint8_t* fields = in.Bytes(fieldsLength, "a field list");
      const uint16_t options = in.U16("the options");
      if (options & ~kCaseInsensitive) Damaged("unknown options " + std::to_string(options));
      TIndexOptions set;
      if (options & kCaseInsensitive) set.Include(ixCaseInsensitive);
      defs.Add(std::string(reinterpret_cast<const char*>(name), nameLength),
               std::string(reinterpret_cast<const char*>(fields), fieldsLength), set);
    }
    if (in.Remaining() != 0) Damaged("trailing bytes");
    return defs.Items();
  } catch (const EDatabaseError& e) {
    const std::string message = e.Message();
    if (message.find("index definitions") != std::string::npos) throw;
    Damaged(message);
  }
}

}  // namespace mdx::dataset
