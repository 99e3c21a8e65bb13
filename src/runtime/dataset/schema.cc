#include "runtime/dataset/schema.h"

#include "mdx00200/ansi_string.h"
#include "runtime/dataset/packet_format.h"

namespace mdx::dataset {

namespace {

RawProperty LcidProperty(int32_t lcid) {
  RawProperty p;
  p.name = packet::kLcid;
  p.size = 4;
  p.type = packet::kInt;
  for (int i = 0; i < 4; ++i) p.value.push_back(static_cast<char>(static_cast<uint32_t>(lcid) >> (8 * i)));
  return p;
}

}  // namespace

Schema Schema::FromFieldDefs(const std::vector<TFieldDef>& defs) {
  Schema schema;
  schema.fields = defs;
  schema.fieldExtras.resize(defs.size());
  schema.properties.push_back(LcidProperty(packet::kLcidBrazil));
  return schema;
}

int Schema::IndexOf(const std::string& fieldName) const {
  for (size_t i = 0; i < fields.size(); ++i)
    if (SameText(fields[i].Name, fieldName)) return static_cast<int>(i);
  return -1;
}

FieldCodec CodecFor(const TFieldDef& def) {
  using namespace packet;
  FieldCodec c;
  c.storage = StorageOf(def.DataType);
  switch (def.DataType) {
    case ftString:
      c.type = kZString | kVarying;
      c.size = def.Size > 255 ? 2 : 1;
      c.width = def.Size;
      break;
    case ftWideString:
      c.type = kUniString | kVarying;
      c.size = 2;
      c.width = def.Size;
      break;
    case ftSmallint:
      c.type = kInt;
      c.size = 2;
      break;
    case ftInteger:
      c.type = kInt;
      c.size = 4;
      break;
    case ftLargeint:
      c.type = kInt;
      c.size = 8;
      break;
    case ftWord:
      c.type = kUInt;
      c.size = 2;
      break;
    case ftBoolean:
      c.type = kBool;
      c.size = 2;
      break;
    case ftFloat:
    case ftCurrency:
      c.type = kFloat;
      c.size = 8;
      break;
    case ftDate:
      c.type = kDate;
      c.size = 4;
      break;
    case ftTime:
      c.type = kTime;
      c.size = 4;
      break;
    case ftDateTime:
      c.type = kTimeStamp;
      c.size = 8;
      break;
    case ftBytes:
      c.type = kBytes;
      c.size = static_cast<uint16_t>(def.Size);
      c.width = def.Size;
      break;
    case ftUnknown:
    case ftBlob:
    case ftMemo:
    case ftGraphic:
    case ftTypedBinary:
      c.type = kBytes | kVarying;
      c.size = 4;
      break;
  }
  return c;
}

}  // namespace mdx::dataset
